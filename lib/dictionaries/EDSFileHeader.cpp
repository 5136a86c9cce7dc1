#include "dictionaries/EDSFileHeader.h"

namespace corvid {

std::string TitleFromPath(std::string_view path) {
    const size_t slash = path.find_last_of("/\\");
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const size_t dot = name.rfind('.');
    if (dot != std::string_view::npos)
        name = name.substr(0, dot);
    return std::string(name);
}

void ResetHeaderForPath(EDSFileHeader& header, const std::string& path) {
    header.PathName = path;
    header.Title = TitleFromPath(path);
    header.SavePathName.clear();
    header.Flags = 0;
}

} // namespace corvid
