#include "dictionaries/KeptLayout.h"

#include "EntryAlignment.h"
#include "LayoutSplicer.h"
#include "LayoutText.h"

#include "dictionaries/EDSTextHelper.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <unordered_map>
#include <unordered_set>

namespace corvid {

namespace {

std::string_view TextOf(std::string_view text, Span span) {
    return text.substr(span.begin, span.end - span.begin);
}

bool SameSectionText(const LayoutText& a, const LayoutSection& inA, const LayoutText& b,
                     const LayoutSection& inB) {
    return TextOf(a.text, {inA.header.begin, inA.end}) ==
           TextOf(b.text, {inB.header.begin, inB.end});
}

// CANopen object lists: their numbered lines name objects by index.
bool IsObjectList(std::string_view match) {
    return match == "mandatoryobjects" || match == "optionalobjects" ||
           match == "manufacturerobjects";
}

struct NamedSection {
    std::string_view name;
    LayoutSection* section;
};

// Sorted by name, the first section of a name in front: a sort without a
// node per section, as a file may have thousands of sections.
using SectionsByName = std::vector<NamedSection>;

// The first section of a name is the one read. `repeated` tells whether
// the text names a section twice.
SectionsByName ByName(LayoutText& text, bool* repeated = nullptr) {
    SectionsByName sections;
    sections.reserve(text.sections.size());
    for (LayoutSection& section : text.sections)
        sections.push_back({section.match, &section});
    const auto byName = [](const NamedSection& a, const NamedSection& b) {
        return a.name < b.name;
    };
    std::stable_sort(sections.begin(), sections.end(), byName);
    if (repeated != nullptr)
        *repeated = std::adjacent_find(sections.begin(), sections.end(),
                                       [](const NamedSection& a, const NamedSection& b) {
                                           return a.name == b.name;
                                       }) != sections.end();
    return sections;
}

LayoutSection* Find(const SectionsByName& sections, std::string_view name) {
    const auto found = std::lower_bound(
        sections.begin(), sections.end(), name,
        [](const NamedSection& entry, std::string_view key) { return entry.name < key; });
    return found == sections.end() || found->name != name ? nullptr : found->section;
}

// How long the start, or the end, of two texts is the same.
size_t CommonLength(std::string_view a, std::string_view b, bool fromEnd) {
    constexpr size_t kBlock = 4096; // compared at once while they agree
    const size_t most = std::min(a.size(), b.size());
    const auto at = [&](std::string_view text, size_t n, size_t length) {
        return text.data() + (fromEnd ? text.size() - n - length : n);
    };
    size_t n = 0;
    while (n + kBlock <= most && std::memcmp(at(a, n, kBlock), at(b, n, kBlock), kBlock) == 0)
        n += kBlock;
    while (n < most && *at(a, n, 1) == *at(b, n, 1))
        ++n;
    return n;
}

// The sections in which two renders differ: in front of `from` and behind
// the two ends both are the same, byte for byte, and cut into the same
// sections. Most of a file is the same in both renders, and is neither cut
// nor compared again.
struct ChangedSections {
    size_t from = 0;
    size_t readEnd = 0;
    size_t currentEnd = 0;
};

ChangedSections SectionsThatDiffer(std::string_view asRead, std::string_view current) {
    const size_t head = CommonLength(asRead, current, false);
    const size_t tail = std::min(CommonLength(asRead, current, true),
                                 std::min(asRead.size(), current.size()) - head);
    const size_t from = SectionStartBefore(asRead, head);
    const size_t readEnd = SectionStartAfter(asRead, asRead.size() - tail);
    return {from == std::string_view::npos ? 0 : from, readEnd,
            current.size() - (asRead.size() - readEnd)};
}

// Whether the sections that differ are that one section alone.
bool OnlySection(std::string_view asRead, const ChangedSections& changed, std::string_view section,
                 const LayoutDialect& dialect) {
    const bool one = changed.from < changed.readEnd &&
                     SectionStartAfter(asRead, changed.from) == changed.readEnd &&
                     SectionStartBefore(asRead, changed.from + 1) == changed.from;
    return one && SectionMatchAt(asRead, changed.from, dialect) == section;
}

// Applies the differences between two renders to the file's text.
class CKeptLayoutMerge {
public:
    CKeptLayoutMerge(std::string_view source, std::string_view asRead, std::string_view current,
                     const LayoutDialect& dialect)
        : dialect_(dialect), source_(CutLayoutText(source, dialect_)), splicer_(source) {
        bool repeated = false;
        sourceSections_ = ByName(source_, &repeated);
        // Renders of other fieldbuses are cut from their start: their entries
        // span lines, so a line alone does not tell where a section begins.
        // A file naming a section twice pairs sections by name across the
        // whole file.
        const ChangedSections changed = dialect_.lineEntries && !repeated
                                            ? SectionsThatDiffer(asRead, current)
                                            : ChangedSections{0, asRead.size(), current.size()};
        asRead_ =
            CutLayoutText(asRead.substr(changed.from, changed.readEnd - changed.from), dialect_);
        current_ = CutLayoutText(current.substr(changed.from, changed.currentEnd - changed.from),
                                 dialect_);
        FindAnchorBefore(current, changed.from);
    }

    // Renders of parts of the model: the file is cut only at the sections
    // named `differing`.
    CKeptLayoutMerge(std::string_view source, LayoutText asRead, LayoutText current,
                     const std::vector<std::string>& differing, const LayoutDialect& dialect)
        : dialect_(dialect), source_(CutLayoutSections(source, dialect_, differing)),
          sourceSections_(ByName(source_)), asRead_(std::move(asRead)),
          current_(std::move(current)), splicer_(source) {}

    KeptLayoutResult Run() {
        const auto readSections = ByName(asRead_);
        size_t anchor = anchor_;
        bool beforeFirst = beforeFirst_;
        for (LayoutSection& now : current_.sections) {
            LayoutSection* read = Find(readSections, now.match);
            LayoutSection* own = Find(sourceSections_, now.match);
            const bool unchanged = read != nullptr && SameText(*read, now);
            if (!unchanged && own != nullptr)
                MergeSection(*own, read, now);
            else if (!unchanged)
                AddSection(anchor, beforeFirst, read, now);
            if (own != nullptr) {
                anchor = own->bodyEnd;
                beforeFirst = false;
            }
        }
        const auto currentSections = ByName(current_);
        for (const LayoutSection& read : asRead_.sections)
            if (Find(currentSections, read.match) == nullptr)
                if (const LayoutSection* own = Find(sourceSections_, read.match))
                    RemoveSection(*own);
        return Result();
    }

    // Parts name the same sections before and after, in the same order:
    // each that differs goes into the file's own, and none is added or
    // removed. None when the file lacks one.
    std::optional<KeptLayoutResult> RunParts() {
        for (size_t i = 0; i < current_.sections.size(); ++i) {
            LayoutSection& read = asRead_.sections[i];
            LayoutSection& now = current_.sections[i];
            if (SameText(read, now))
                continue;
            LayoutSection* own = Find(sourceSections_, now.match);
            if (own == nullptr)
                return std::nullopt;
            MergeSection(*own, &read, now);
        }
        return Result();
    }

private:
    KeptLayoutResult Result() const {
        KeptLayoutResult result;
        if (splicer_.Empty())
            result.text = source_.text;
        else
            result.text = splicer_.Apply(result.changedLines);
        return result;
    }

    // A section the file lacks goes behind the file's own section of the
    // last section in front of it that the file has; in front of the file's
    // first section when none has.
    void FindAnchorBefore(std::string_view current, size_t from) {
        for (size_t at = SectionStartBefore(current, from); at != std::string_view::npos;
             at = SectionStartBefore(current, at)) {
            if (const LayoutSection* own =
                    Find(sourceSections_, SectionMatchAt(current, at, dialect_))) {
                anchor_ = own->bodyEnd;
                beforeFirst_ = false;
                return;
            }
        }
        anchor_ =
            source_.sections.empty() ? source_.text.size() : source_.sections.front().header.begin;
        beforeFirst_ = !source_.sections.empty();
    }

    void CutEntries(LayoutSection* read, LayoutSection& now) {
        if (read != nullptr)
            EntriesOf(asRead_, *read);
        EntriesOf(current_, now);
    }

    bool SameText(const LayoutSection& read, const LayoutSection& now) const {
        return SameSectionText(asRead_, read, current_, now);
    }

    std::string_view Lines(const LayoutEntry& entry) const {
        return TextOf(current_.text, entry.whole);
    }

    // The file's entries of a section in the order of the render of the
    // model as read: the n-th key of a name is the n-th line of that name.
    std::vector<const LayoutEntry*> OwnEntries(const LayoutSection& own,
                                               const std::vector<LayoutEntry>& read) const {
        std::unordered_map<std::string_view, std::vector<const LayoutEntry*>> byKey;
        for (const LayoutEntry& entry : own.entries)
            byKey[entry.match].push_back(&entry);
        std::unordered_map<std::string_view, size_t> seen;
        std::vector<const LayoutEntry*> out;
        out.reserve(read.size());
        for (const LayoutEntry& entry : read) {
            const auto& lines = byKey[entry.match];
            const size_t n = seen[entry.match]++;
            out.push_back(n < lines.size() ? lines[n] : nullptr);
        }
        return out;
    }

    void MergeSection(LayoutSection& own, LayoutSection* read, LayoutSection& now) {
        EntriesOf(source_, own);
        CutEntries(read, now);
        static const std::vector<LayoutEntry> kNone;
        const std::vector<LayoutEntry>& before = read != nullptr ? read->entries : kNone;
        const bool list = dialect_.lineEntries && IsObjectList(now.match);
        if (list) {
            MergeObjectList(own, before, now.entries);
            MergeEntries(own, Keywords(before), Keywords(now.entries));
        } else {
            MergeEntries(own, before, now.entries);
        }
    }

    static std::vector<LayoutEntry> Keywords(const std::vector<LayoutEntry>& entries) {
        std::vector<LayoutEntry> out;
        std::copy_if(entries.begin(), entries.end(), std::back_inserter(out),
                     [](const LayoutEntry& entry) { return !IsDecimal(entry.match); });
        return out;
    }

    void MergeEntries(const LayoutSection& own, const std::vector<LayoutEntry>& before,
                      const std::vector<LayoutEntry>& after) {
        const std::vector<const LayoutEntry*> owned = OwnEntries(own, before);
        const auto ownOf = [&](const LayoutEntry* entry) {
            return owned[static_cast<size_t>(entry - before.data())];
        };
        // Where the last entry of each kind stands in the file, so a new
        // DeviceNet or EtherNet/IP entry follows the entries of its kind.
        std::unordered_map<std::string_view, size_t> lastOfKind;
        for (const AlignedEntry& pair : AlignEntries(before, after)) {
            const LayoutEntry* line = pair.before != nullptr ? ownOf(pair.before) : nullptr;
            if (pair.after == nullptr) {
                if (line != nullptr)
                    splicer_.Remove(line->whole);
            } else if (line == nullptr) {
                if (pair.before == nullptr || !SameEntry(*pair.before, *pair.after))
                    InsertEntry(own, lastOfKind, *pair.after);
            } else {
                if (!SameEntry(*pair.before, *pair.after))
                    ChangeEntry(*line, *pair.before, *pair.after);
                lastOfKind[EntryKind(pair.after->match)] = line->whole.end;
            }
        }
    }

    void InsertEntry(const LayoutSection& own,
                     const std::unordered_map<std::string_view, size_t>& lastOfKind,
                     const LayoutEntry& entry) {
        size_t at = own.bodyEnd;
        if (!dialect_.lineEntries)
            if (const auto found = lastOfKind.find(EntryKind(entry.match));
                found != lastOfKind.end())
                at = found->second;
        splicer_.Insert(at, Lines(entry));
    }

    // A renumbered key gets its new number; each changed field gets its new
    // text in its own place; fields the file did not have are added behind
    // its last, and fields no longer written go.
    void ChangeEntry(const LayoutEntry& line, const LayoutEntry& before, const LayoutEntry& after) {
        if (before.match != after.match)
            splicer_.Replace(line.key, TextOf(current_.text, after.key));
        const std::vector<LayoutField>& was = before.Fields();
        const std::vector<LayoutField>& is = after.Fields();
        const std::vector<LayoutField>& own = line.Fields();
        const size_t count = is.size();
        for (size_t i = 0; i < count; ++i) {
            if (i < was.size() && was[i].match == is[i].match)
                continue;
            if (i < own.size()) {
                splicer_.Replace(own[i].content, TextOf(current_.text, is[i].content));
                continue;
            }
            std::string added;
            for (size_t k = own.size(); k < count; ++k)
                added.append(own.empty() && k == 0 ? "" : ",")
                    .append(TextOf(current_.text, is[k].content));
            splicer_.Insert(line.end, added);
            break;
        }
        if (count < was.size() && count < own.size())
            splicer_.Remove({own[count].separator, line.end});
    }

    // New objects add their lines behind the list's last line; deleted ones
    // take theirs, and only then are the lines behind them renumbered, so
    // the list still counts from 1.
    void MergeObjectList(const LayoutSection& own, const std::vector<LayoutEntry>& before,
                         const std::vector<LayoutEntry>& after) {
        const auto indexes = [](const std::vector<LayoutEntry>& entries) {
            std::unordered_set<uint32_t> out;
            for (const LayoutEntry& entry : entries)
                if (IsDecimal(entry.match))
                    out.insert(ParseNumber(entry.Fields().front().match));
            return out;
        };
        const std::unordered_set<uint32_t> was = indexes(before);
        const std::unordered_set<uint32_t> is = indexes(after);
        std::vector<const LayoutEntry*> kept;
        size_t at = own.bodyEnd;
        bool removed = false;
        for (const LayoutEntry& line : own.entries) {
            if (!IsDecimal(line.match))
                continue;
            at = line.whole.end;
            const uint32_t index = ParseNumber(line.Fields().front().match);
            if (was.contains(index) && !is.contains(index)) {
                splicer_.Remove(line.whole);
                removed = true;
            } else {
                kept.push_back(&line);
            }
        }
        for (size_t n = 0; removed && n < kept.size(); ++n)
            if (kept[n]->match != std::to_string(n + 1))
                splicer_.Replace(kept[n]->key, std::to_string(n + 1));
        size_t number = kept.size();
        for (const LayoutEntry& entry : after)
            if (IsDecimal(entry.match) && !was.contains(ParseNumber(entry.Fields().front().match)))
                splicer_.Insert(
                    at, std::to_string(++number) + "=" +
                            std::string(TextOf(current_.text, entry.Fields().front().content)) +
                            "\r\n");
    }

    // A section the file lacks goes where the writer puts it, with the
    // entries that differ from the render of the model as read.
    void AddSection(size_t at, bool beforeFirst, LayoutSection* read, LayoutSection& now) {
        CutEntries(read, now);
        std::string text(TextOf(current_.text, now.header));
        for (const LayoutEntry& entry : now.entries) {
            const bool same =
                read != nullptr &&
                std::any_of(read->entries.begin(), read->entries.end(),
                            [&](const LayoutEntry& e) { return SameEntry(e, entry); });
            if (!same)
                text.append(Lines(entry));
        }
        splicer_.Insert(at, beforeFirst ? text + "\r\n" : "\r\n" + text);
    }

    // The section's lines and the blank lines behind them; comments in
    // front of the next section stay with it.
    void RemoveSection(const LayoutSection& own) {
        size_t end = own.bodyEnd;
        while (end < own.end) {
            const size_t feed = source_.text.find('\n', end);
            const size_t next = feed == std::string_view::npos ? source_.text.size() : feed + 1;
            if (TextOf(source_.text, {end, next}).find_first_not_of(" \t\r\n") !=
                std::string_view::npos)
                break;
            end = next;
        }
        splicer_.Remove({own.header.begin, end});
    }

    LayoutDialect dialect_;
    LayoutText source_;
    SectionsByName sourceSections_;
    LayoutText asRead_;
    LayoutText current_;
    CLayoutSplicer splicer_;
    size_t anchor_ = 0; // where a section the file lacks goes, before any of the file's
    bool beforeFirst_ = false;
};

// Whether two cuts name the same sections in the same order, none twice.
bool SameSections(const LayoutText& a, const LayoutText& b) {
    const auto match = [](const LayoutSection& section) { return section.match; };
    std::vector<std::string> names;
    std::transform(a.sections.begin(), a.sections.end(), std::back_inserter(names), match);
    std::vector<std::string> others;
    std::transform(b.sections.begin(), b.sections.end(), std::back_inserter(others), match);
    if (names != others)
        return false;
    std::sort(names.begin(), names.end());
    return std::adjacent_find(names.begin(), names.end()) == names.end();
}

} // namespace

bool MayDifferOnlyIn(std::string_view asRead, std::string_view current, std::string_view section,
                     const LayoutDialect& dialect) {
    return !dialect.lineEntries || asRead == current ||
           OnlySection(asRead, SectionsThatDiffer(asRead, current), section, dialect);
}

KeptLayoutResult MergeIntoSource(std::string_view source, std::string_view asRead,
                                 std::string_view current, const LayoutDialect& dialect) {
    if (asRead == current)
        return {std::string(source), 0};
    return CKeptLayoutMerge(source, asRead, current, dialect).Run();
}

std::optional<KeptLayoutResult> MergePartsIntoSource(std::string_view source,
                                                     std::string_view asRead,
                                                     std::string_view current,
                                                     const LayoutDialect& dialect) {
    LayoutText read = CutLayoutText(asRead, dialect);
    LayoutText now = CutLayoutText(current, dialect);
    if (!SameSections(read, now))
        return std::nullopt;
    std::vector<std::string> differing;
    for (size_t i = 0; i < now.sections.size(); ++i)
        if (!SameSectionText(read, read.sections[i], now, now.sections[i]))
            differing.push_back(now.sections[i].match);
    if (differing.empty())
        return KeptLayoutResult{std::string(source), 0};
    return CKeptLayoutMerge(source, std::move(read), std::move(now), differing, dialect).RunParts();
}

} // namespace corvid
