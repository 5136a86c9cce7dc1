# Warning and sanitizer flags for every Corvid target, applied through one
# interface library so each target states it once.
add_library(corvid_options INTERFACE)
target_compile_options(corvid_options INTERFACE -Wall -Wextra -Wpedantic)
if(CORVID_WERROR)
    target_compile_options(corvid_options INTERFACE -Werror)
endif()
if(CORVID_SANITIZE)
    target_compile_options(corvid_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(corvid_options INTERFACE -fsanitize=address,undefined)
endif()

# corvid_add_library(NAME SOURCES... LINKS...): one library per lib/ folder,
# linking only the layers below it. Each library publishes only its own
# include/ folder, so an include that reaches across the layers the wrong way
# fails to compile, not only to link.
function(corvid_add_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/include)
    target_link_libraries(${name} PUBLIC corvid_options ${ARG_LINKS})
endfunction()

# In a fuzz build every library carries the fuzzer's coverage hooks and the
# sanitizers, so the fuzz targets see inside the readers, not only their own
# file.
if(CORVID_BUILD_FUZZ)
    target_compile_options(corvid_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined)
    target_link_options(corvid_options INTERFACE -fsanitize=address,undefined)
endif()
