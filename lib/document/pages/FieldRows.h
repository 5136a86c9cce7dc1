#pragma once

// The keyword rows of a DeviceNet or EtherNet/IP section, one per field of
// its table, each cell the editor the table names.

#include "PageBuilder.h"
#include "dictionaries/FieldTable.h"

#include <span>
#include <string>
#include <string_view>
#include <type_traits>

namespace corvid::pages {

PageCell FieldCell(PageBuilder& page, std::string text, const FieldTraits& traits);

template <typename Record, size_t N>
void AddFieldRows(PageBuilder& page, const std::type_identity_t<Record>& record,
                  const FieldTable<Record, N>& table) {
    for (const FieldEntry<Record>& item : table)
        page.AddKeyword(
            std::string(item.Keyword),
            FieldCell(page, FieldText(static_cast<const Record&>(record), item), item.Traits));
}

// The same on a page with comments: row i shows comments[i], or none.
template <typename Record, size_t N>
void AddFieldRows(PageBuilder& page, const std::type_identity_t<Record>& record,
                  const FieldTable<Record, N>& table, std::span<const std::string_view> comments) {
    for (size_t i = 0; i < N; ++i)
        page.AddKeyword(std::string(table[i].Keyword),
                        FieldCell(page, FieldText(static_cast<const Record&>(record), table[i]),
                                  table[i].Traits),
                        i < comments.size() ? std::string(comments[i]) : std::string());
}

} // namespace corvid::pages
