#include "FieldRows.h"

namespace corvid::pages {

PageCell FieldCell(PageBuilder& page, std::string text, const FieldTraits& traits) {
    if (traits.Editor == FieldEditor::ReadOnly)
        return ReadOnlyCell(std::move(text));
    if (traits.Editor == FieldEditor::DecimalList) {
        const int last = static_cast<int>(traits.ListLast);
        return page.DropDownCell(
            std::move(text), "0-" + std::to_string(last), [last] { return DecimalItems(0, last); },
            kFlagListWidth);
    }
    return TextCell(std::move(text));
}

} // namespace corvid::pages
