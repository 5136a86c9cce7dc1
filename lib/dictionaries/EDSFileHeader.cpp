#include "dictionaries/EDSFileHeader.h"

#include <algorithm>
#include <utility>

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

void ReadHeaderComment(EDSFileHeader& header, std::string_view text,
                       const HeaderCommentPrefixes& prefixes) {
    const std::pair<std::string_view, std::string*> fields[] = {
        {prefixes.module, &header.Module},
        {prefixes.device, &header.Device},
        {prefixes.model, &header.Model},
    };
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        const size_t first = line.find_first_not_of(" \t");
        if (first != std::string_view::npos && line[first] == '[')
            return;
        for (const auto& [prefix, field] : fields)
            if (line.starts_with(prefix))
                *field = line.substr(prefix.size());
        start = end + 1;
    }
}

} // namespace corvid
