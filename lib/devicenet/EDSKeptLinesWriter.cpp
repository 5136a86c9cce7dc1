#include "devicenet/EDSKeptLinesWriter.h"

#include "dictionaries/ByteOrderMark.h"

namespace corvid {

CKeptLinesWriter::CKeptLinesWriter(CEDSLineWriter& out, const CEDSKeptLines& kept)
    : out_(out), kept_(kept), written_(kept.Sections.size(), false) {
    if (kept.ByteOrderMark)
        out_.Append(kUtf8ByteOrderMark);
}

void CKeptLinesWriter::Section(std::string_view name) {
    SectionsAfterLast();
    out_.Section(name);
    last_ = name;
}

void CKeptLinesWriter::Entries(std::string_view name) {
    if (!entriesWritten_.emplace(name).second)
        return;
    for (const std::string& line : kept_.EntriesOf(name))
        out_.Line(line);
}

// Entries of a section the writer did not write (lines kept under an empty
// header when the sections the writer puts there all have names) come last,
// under their own header, so no kept section is read back as following it.
void CKeptLinesWriter::Finish() {
    SectionsAfterLast();
    for (size_t i = 0; i < kept_.Sections.size(); ++i)
        WriteSection(i);
    for (const KeptEntries& section : kept_.Entries) {
        if (section.Lines.empty() || entriesWritten_.contains(section.Section))
            continue;
        out_.Section(section.Section);
        Entries(section.Section);
        out_.Line("");
    }
}

bool CKeptLinesWriter::HasSectionsAfter(std::string_view name) const {
    for (size_t i = 0; i < kept_.Sections.size(); ++i)
        if (!written_[i] && kept_.Sections[i].After == name)
            return true;
    return false;
}

// A kept section ends with an empty line, as the writers end theirs.
void CKeptLinesWriter::WriteSection(size_t index) {
    if (written_[index])
        return;
    written_[index] = true;
    const KeptSection& section = kept_.Sections[index];
    if (!section.Header.empty())
        out_.Line(section.Header);
    for (const std::string& line : section.Lines)
        out_.Line(line);
    out_.Line("");
}

// Several sections may be written under the empty header "[]", so a kept
// section that followed one cannot say which: those wait for the end, where
// they read back as following the last section again.
void CKeptLinesWriter::SectionsAfterLast() {
    if (!last_ || !last_->empty())
        SectionsAfter(last_);
}

void CKeptLinesWriter::SectionsAfter(std::optional<std::string_view> name) {
    for (size_t i = 0; i < kept_.Sections.size(); ++i)
        if (kept_.Sections[i].After == name)
            WriteSection(i);
}

} // namespace corvid
