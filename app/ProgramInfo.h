#pragma once

// What the About box and the command line say of the program.

namespace corvid::app {

// The version comes from the build, which gives the package the same.
inline constexpr const char* kProgramVersion = CORVID_PROGRAM_VERSION;
inline constexpr const char* kReleaseDate = "2026-12-07";
inline constexpr const char* kMakerWebAddress = "https://www.halvard-electronic.example/";

} // namespace corvid::app
