#include "EntryAlignment.h"

#include <algorithm>
#include <cstdint>

namespace corvid {

namespace {

// Beyond this many pairs to compare, the middle is matched by position.
constexpr size_t kLargestComparison = 1'000'000;

// A quote in a key would go on into the body, so only keys without one
// let the bodies' bytes tell.
bool SameBodies(const LayoutEntry& a, const LayoutEntry& b) {
    const auto quoted = [](const LayoutEntry& entry) {
        return entry.text.substr(entry.key.begin, entry.key.end - entry.key.begin).find('"') !=
               std::string_view::npos;
    };
    return a.Body() == b.Body() && !quoted(a) && !quoted(b);
}

bool SameFields(const LayoutEntry& a, const LayoutEntry& b) {
    if (SameBodies(a, b))
        return true;
    const std::vector<LayoutField>& fieldsA = a.Fields();
    const std::vector<LayoutField>& fieldsB = b.Fields();
    if (fieldsA.size() != fieldsB.size())
        return false;
    for (size_t i = 0; i < fieldsA.size(); ++i)
        if (fieldsA[i].match != fieldsB[i].match)
            return false;
    return true;
}

// Same kind and fields: the same entry, perhaps under another number.
bool SameContent(const LayoutEntry& a, const LayoutEntry& b) {
    return EntryKind(a.match) == EntryKind(b.match) && SameFields(a, b);
}

// How much alike two entries are: fields in the same place that are equal,
// less those that differ, and a little for the same key. Only entries of
// the same kind that are more alike than not are one entry changed; others
// are one deleted and one inserted.
int Likeness(const LayoutEntry& a, const LayoutEntry& b) {
    if (EntryKind(a.match) != EntryKind(b.match))
        return 0;
    int score = a.match == b.match ? 2 : 0;
    const std::vector<LayoutField>& fieldsA = a.Fields();
    const std::vector<LayoutField>& fieldsB = b.Fields();
    for (size_t i = 0; i < std::max(fieldsA.size(), fieldsB.size()); ++i) {
        const bool equal =
            i < fieldsA.size() && i < fieldsB.size() && fieldsA[i].match == fieldsB[i].match;
        score += equal ? 1 : -1;
    }
    return std::max(score, 0);
}

// The entries that stay are the ones most like the entries after, in order
// (a parameter renumbered behind a deleted one is paired with its own old
// entry, not with the deleted one); the others were inserted or deleted.
void PairByLikeness(const LayoutEntry* before, size_t n, const LayoutEntry* after, size_t m,
                    std::vector<AlignedEntry>& out) {
    std::vector<int> best((n + 1) * (m + 1), 0);
    const auto at = [&](size_t i, size_t j) -> int& { return best[i * (m + 1) + j]; };
    for (size_t i = n; i-- > 0;)
        for (size_t j = m; j-- > 0;)
            at(i, j) = std::max(
                {at(i + 1, j), at(i, j + 1), at(i + 1, j + 1) + Likeness(before[i], after[j])});
    size_t i = 0;
    size_t j = 0;
    while (i < n || j < m) {
        const int likeness = i < n && j < m ? Likeness(before[i], after[j]) : 0;
        if (likeness > 0 && at(i, j) == at(i + 1, j + 1) + likeness)
            out.push_back({before + i++, after + j++});
        else if (i < n && (j == m || at(i, j) == at(i + 1, j)))
            out.push_back({before + i++, nullptr});
        else
            out.push_back({nullptr, after + j++});
    }
}

void PairRuns(const LayoutEntry* before, size_t beforeCount, const LayoutEntry* after,
              size_t afterCount, std::vector<AlignedEntry>& out) {
    if (beforeCount == afterCount) {
        for (size_t i = 0; i < beforeCount; ++i)
            out.push_back({before + i, after + i});
        return;
    }
    if (beforeCount > 0 && afterCount > 0 && beforeCount * afterCount <= kLargestComparison) {
        PairByLikeness(before, beforeCount, after, afterCount, out);
        return;
    }
    const size_t paired = std::min(beforeCount, afterCount);
    for (size_t i = 0; i < paired; ++i)
        out.push_back({before + i, after + i});
    for (size_t i = paired; i < beforeCount; ++i)
        out.push_back({before + i, nullptr});
    for (size_t i = paired; i < afterCount; ++i)
        out.push_back({nullptr, after + i});
}

// First the entries whose content is the same (renumbered at most), as the
// longest common run; what lies between two of them is paired by PairRuns.
void AlignMiddle(const LayoutEntry* before, size_t n, const LayoutEntry* after, size_t m,
                 std::vector<AlignedEntry>& out) {
    if (n == 0 || m == 0 || n * m > kLargestComparison) {
        PairRuns(before, n, after, m, out);
        return;
    }
    std::vector<uint32_t> common((n + 1) * (m + 1), 0);
    const auto at = [&](size_t i, size_t j) -> uint32_t& { return common[i * (m + 1) + j]; };
    for (size_t i = n; i-- > 0;)
        for (size_t j = m; j-- > 0;)
            at(i, j) = SameContent(before[i], after[j]) ? at(i + 1, j + 1) + 1
                                                        : std::max(at(i + 1, j), at(i, j + 1));
    size_t i = 0;
    size_t j = 0;
    size_t runI = 0;
    size_t runJ = 0;
    while (i < n && j < m) {
        if (SameContent(before[i], after[j]) && at(i, j) == at(i + 1, j + 1) + 1) {
            PairRuns(before + runI, i - runI, after + runJ, j - runJ, out);
            out.push_back({before + i, after + j});
            runI = ++i;
            runJ = ++j;
        } else if (at(i + 1, j) >= at(i, j + 1)) {
            ++i;
        } else {
            ++j;
        }
    }
    PairRuns(before + runI, n - runI, after + runJ, m - runJ, out);
}

} // namespace

bool SameEntry(const LayoutEntry& a, const LayoutEntry& b) {
    return a.match == b.match && SameFields(a, b);
}

std::string_view EntryKind(std::string_view key) {
    while (!key.empty() && key.back() >= '0' && key.back() <= '9')
        key.remove_suffix(1);
    return key;
}

std::vector<AlignedEntry> AlignEntries(const std::vector<LayoutEntry>& before,
                                       const std::vector<LayoutEntry>& after) {
    size_t head = 0;
    while (head < before.size() && head < after.size() && SameContent(before[head], after[head]))
        ++head;
    size_t tail = 0;
    while (tail < before.size() - head && tail < after.size() - head &&
           SameContent(before[before.size() - 1 - tail], after[after.size() - 1 - tail]))
        ++tail;
    std::vector<AlignedEntry> out;
    out.reserve(std::max(before.size(), after.size()));
    for (size_t i = 0; i < head; ++i)
        out.push_back({&before[i], &after[i]});
    AlignMiddle(before.data() + head, before.size() - head - tail, after.data() + head,
                after.size() - head - tail, out);
    for (size_t i = tail; i-- > 0;)
        out.push_back({&before[before.size() - 1 - i], &after[after.size() - 1 - i]});
    return out;
}

} // namespace corvid
