#pragma once

// The check every reader target makes of the save in the file's own layout:
// a save without a change gives back the bytes read, whatever they are, and
// reading that save and saving it again without a change gives the same
// bytes, so opening and saving a file any number of times never drifts.

#include "dictionaries/KeptLayout.h"

#include <string>
#include <string_view>

namespace corvid::fuzz {

// `load(model, text)` reads a model, `format(model)` renders it in Corvid's
// layout; a save in the file's own layout compares the render of the text
// read with the render of the model now, as the document set's save does.
template <typename Model, typename Load, typename Format>
bool KeptLayoutHolds(std::string_view text, const LayoutDialect& dialect, Load load,
                     Format format) {
    const auto keptSave = [&](std::string_view source) {
        Model asRead;
        load(asRead, source);
        Model now;
        load(now, source);
        return MergeIntoSource(source, format(asRead), format(now), dialect).text;
    };
    const std::string once = keptSave(text);
    return once == text && keptSave(once) == once;
}

} // namespace corvid::fuzz
