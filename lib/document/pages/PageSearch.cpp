#include "pages/PageSearch.h"

#include "canopen/CANopenModel.h"
#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/TextEncoding.h"
#include "pages/ProjectTree.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace corvid {

namespace {

char FoldCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Bytes of multi-byte letters count as word characters, so a whole word
// never ends in the middle of one.
bool IsWordChar(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x80 || c == '_' || (c >= '0' && c <= '9') ||
           (FoldCase(c) >= 'a' && FoldCase(c) <= 'z');
}

bool HasHighBytes(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

bool StandsAlone(std::string_view text, size_t at, size_t length) {
    return (at == 0 || !IsWordChar(text[at - 1])) &&
           (at + length == text.size() || !IsWordChar(text[at + length]));
}

bool ShownTextMatches(std::string_view text, std::string_view query, const SearchOptions& options) {
    const auto same = [&](char a, char b) {
        return options.MatchCase ? a == b : FoldCase(a) == FoldCase(b);
    };
    for (auto at = text.begin(); at != text.end(); ++at) {
        at = std::search(at, text.end(), query.begin(), query.end(), same);
        if (at == text.end())
            return false;
        if (!options.WholeWord ||
            StandsAlone(text, static_cast<size_t>(at - text.begin()), query.size()))
            return true;
    }
    return false;
}

// The key of the CANopen object a typed index names ("1018", "0x1018"), or
// none when the text is no index.
std::optional<std::string> ObjectKeyOf(std::string_view text) {
    const std::string trimmed = TrimmedBlanks(text);
    std::string_view digits = trimmed;
    if (digits.starts_with("0x") || digits.starts_with("0X"))
        digits.remove_prefix(2);
    if (digits.empty() || digits.size() > 4 ||
        !std::all_of(digits.begin(), digits.end(),
                     [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }))
        return std::nullopt;
    return ObjectSectionName(static_cast<uint16_t>(ParseNumber("0x" + std::string(digits))));
}

// The page with every entry open: entries inside entries open in the
// rounds that follow, until no closed one is left.
Page OpenPage(const CEDSDoc& doc, EDSFileRef file, const std::string& section) {
    PageState state;
    Page page = BuildPage(doc, file, section, state);
    for (bool opened = true; opened;) {
        opened = false;
        for (size_t row = 0; row < page.Rows.size(); ++row)
            if (page.Rows[row].Look == RowLook::Collapsed &&
                !state.Expanded.contains(page.Rows[row].Key))
                opened = ToggleRow(state, page, row) || opened;
        if (opened)
            page = BuildPage(doc, file, section, state);
    }
    return page;
}

bool RowMatches(const PageRow& row, std::string_view query, const SearchOptions& options) {
    return std::any_of(row.Cells.begin(), row.Cells.end(), [&](const PageCell& cell) {
        return TextMatches(cell.Text, query, options);
    });
}

PageHit HitAt(EDSFileId file, const std::string& section, const Page& page, size_t row,
              size_t column) {
    const PageRow& shown = page.Rows[row];
    const PageRow* head = HeadRowOf(page, row);
    return {file,
            section,
            head != nullptr ? head->Key : std::string(),
            shown.Key,
            head != nullptr ? shown.Distance : 0,
            column};
}

// A row that neither has a key nor belongs to an entry cannot be found
// again on another build of its page.
bool CanShow(const Page& page, size_t row) {
    return !page.Rows[row].Key.empty() || HeadRowOf(page, row) != nullptr;
}

} // namespace

bool TextMatches(std::string_view cellText, std::string_view query, const SearchOptions& options) {
    if (query.empty())
        return false;
    if (!HasHighBytes(cellText))
        return ShownTextMatches(cellText, query, options);
    return ShownTextMatches(DecodeForDisplay(cellText), query, options);
}

std::vector<PageHit> SearchFile(const CEDSDoc& doc, EDSFileId file, std::string_view query,
                                const SearchOptions& options) {
    const std::optional<EDSFileRef> place = doc.Find(file);
    if (!place)
        return {};
    const std::optional<std::string> objectKey =
        place->kind == EDSKind::CANopen ? ObjectKeyOf(query) : std::nullopt;
    std::vector<PageHit> objects;
    std::vector<PageHit> hits;
    for (const std::string& section : BuildProjectTreeFile(doc, *place).Sections) {
        const Page page = OpenPage(doc, *place, section);
        for (size_t row = 0; row < page.Rows.size(); ++row) {
            if (!CanShow(page, row))
                continue;
            if (objectKey && page.Rows[row].Key == *objectKey)
                objects.push_back(HitAt(file, section, page, row, 0));
            for (size_t column = 0; column < page.Rows[row].Cells.size(); ++column)
                if (TextMatches(page.Rows[row].Cells[column].Text, query, options))
                    hits.push_back(HitAt(file, section, page, row, column));
        }
    }
    // The object's own row comes first and only once.
    std::erase_if(hits, [&](const PageHit& hit) {
        return std::find(objects.begin(), objects.end(), hit) != objects.end();
    });
    objects.insert(objects.end(), hits.begin(), hits.end());
    return objects;
}

std::vector<PageHit> SearchOpenFiles(const CEDSDoc& doc, std::string_view query,
                                     const SearchOptions& options) {
    std::vector<PageHit> hits;
    for (const EDSKind kind : {EDSKind::CANopen, EDSKind::DeviceNet, EDSKind::EtherNetIP})
        for (size_t position = 0; position < doc.FileCount(kind); ++position)
            if (const std::optional<EDSFileId> file = doc.IdAt({kind, position})) {
                std::vector<PageHit> found = SearchFile(doc, *file, query, options);
                hits.insert(hits.end(), std::make_move_iterator(found.begin()),
                            std::make_move_iterator(found.end()));
            }
    return hits;
}

std::optional<size_t> HitRow(const Page& page, const PageHit& hit) {
    const auto holdsColumn = [&](size_t row) -> std::optional<size_t> {
        return hit.Column < page.Rows[row].Cells.size() ? std::optional(row) : std::nullopt;
    };
    for (size_t row = 0; row < page.Rows.size(); ++row) {
        const PageRow& shown = page.Rows[row];
        if (hit.HeadKey.empty()) {
            if (shown.Key == hit.RowKey && shown.Head == kNoHeadRow)
                return holdsColumn(row);
            continue;
        }
        if (shown.Key != hit.HeadKey || shown.Head != row)
            continue;
        const size_t target = row + hit.Distance;
        if (target < page.Rows.size() && page.Rows[target].Head == row &&
            page.Rows[target].Distance == hit.Distance)
            return holdsColumn(target);
        return std::nullopt;
    }
    return std::nullopt;
}

std::vector<bool> FilteredRows(const CEDSDoc& doc, EDSFileRef file, const Page& page,
                               std::string_view query, const SearchOptions& options) {
    std::vector<bool> kept(page.Rows.size(), query.empty());
    if (query.empty())
        return kept;
    // Entries are judged by all their rows, also those a closed entry hides.
    std::set<std::string> entries;
    const Page open = OpenPage(doc, file, page.Section);
    for (size_t row = 0; row < open.Rows.size(); ++row)
        if (const PageRow* head = HeadRowOf(open, row);
            head != nullptr && RowMatches(open.Rows[row], query, options))
            entries.insert(head->Key);
    for (size_t row = 0; row < page.Rows.size(); ++row) {
        const PageRow& shown = page.Rows[row];
        kept[row] =
            RowMatches(shown, query, options) || (shown.Head == row && entries.contains(shown.Key));
    }
    return kept;
}

} // namespace corvid
