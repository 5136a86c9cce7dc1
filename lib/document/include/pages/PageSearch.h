#pragma once

// Finding text in the pages of open files, and filtering a page's rows.
// The search walks the same page rows the view shows, with every entry
// open, so a hit inside a closed entry is found like any other; a hit names
// its row by the entry's key and the row's distance from it, which a view
// finds again on its own page whatever it has opened since.

#include "door/EDSDoc.h"
#include "pages/PageRows.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvid {

struct SearchOptions {
    bool MatchCase = false; // letters A to Z equal a to z unless set
    bool WholeWord = false; // the text may not touch a letter, digit or "_"
};

// One cell holding the text.
struct PageHit {
    EDSFileId File;
    std::string Section;
    // The entry the row belongs to, which must be open to show it; empty
    // for rows of no entry, found then by RowKey.
    std::string HeadKey;
    std::string RowKey;
    size_t Distance = 0; // rows below the head row
    size_t Column = 0;

    bool operator==(const PageHit&) const = default;
};

// True when `cellText` holds `query` (an empty query matches nothing). Texts
// in a single-byte code page are compared as the view shows them (UTF-8).
bool TextMatches(std::string_view cellText, std::string_view query, const SearchOptions& options);

// Every hit of `query` in the pages of the file's tree, in tree order, rows
// top down, cells left to right. A CANopen index ("1018", "0x1018") first
// gives the object's row, when the file has that object.
std::vector<PageHit> SearchFile(const CEDSDoc& doc, EDSFileId file, std::string_view query,
                                const SearchOptions& options);
// The same over every open file: CANopen, DeviceNet, then EtherNet/IP, each
// in the order of its tree.
std::vector<PageHit> SearchOpenFiles(const CEDSDoc& doc, std::string_view query,
                                     const SearchOptions& options);

// The row of `page` that shows the hit; none when the page does not show it
// (its entry closed, or the rows changed since the search).
std::optional<size_t> HitRow(const Page& page, const PageHit& hit);

// The rows of `page`, a page of `file`, that a filter by `query` keeps:
// those holding it in a cell, and the head rows of the entries holding it,
// open or closed. An empty query keeps every row.
std::vector<bool> FilteredRows(const CEDSDoc& doc, EDSFileRef file, const Page& page,
                               std::string_view query, const SearchOptions& options);

} // namespace corvid
