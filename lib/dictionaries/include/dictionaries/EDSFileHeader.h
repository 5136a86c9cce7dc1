#pragma once

// The leading fields every device description shares, whatever its fieldbus:
// where the file came from, where it goes, and whether it changed.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvid {

inline constexpr uint8_t FLAG_MODIFIED = 1;
inline constexpr uint8_t FLAG_SAVE_PATH_KNOWN = 2;

struct EDSFileHeader {
    std::string Module; // header comment lines of a generated file
    std::string Device;
    std::string Model;
    std::string PathName;     // the file it was read from
    std::string SavePathName; // the last save; empty until the first
    std::string Title;        // file name without folder and extension
    uint8_t Flags = 0;
    // The bytes of a file opened from disk (or last saved), which a save
    // keeps wherever the user changed nothing. Files Corvid made have none
    // and are written in Corvid's layout.
    std::optional<std::string> SourceText;
    // The writer's render of the model SourceText gives, when known: a save
    // in the file's own layout compares the model with it instead of reading
    // SourceText again. It costs about one more copy of the file.
    std::optional<std::string> SourceRender;
};

// The file name without folder and extension. Both "/" and "\" end a folder,
// so paths written on either system give the same title.
std::string TitleFromPath(std::string_view path);

// What every reader does first: remember the path, derive the title, and
// start unmodified with no save path.
void ResetHeaderForPath(EDSFileHeader& header, const std::string& path);

// The header comment a writer puts at the top of a file, by its line
// prefixes ("; Modlue: " or "$ Modlue:" ...).
struct HeaderCommentPrefixes {
    std::string_view module;
    std::string_view device;
    std::string_view model;
};
inline constexpr HeaderCommentPrefixes kCANopenHeaderComment = {
    "; Modlue: ", "; Device: ", "; Model: "};
inline constexpr HeaderCommentPrefixes kCIPHeaderComment = {"$ Modlue:", "$ Device:", "$ Model:"};

// Reads the module, device and model lines of that comment back from the
// lines in front of the first section, so a generated file keeps them when
// it is saved again. Lines not found leave the fields as they are.
void ReadHeaderComment(EDSFileHeader& header, std::string_view text,
                       const HeaderCommentPrefixes& prefixes);

} // namespace corvid
