#include "EditCommands.h"

#include "CliCommon.h"
#include "CliUserInterface.h"
#include "EDSFileLoad.h"
#include "LargeFileHeap.h"

#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/FileIO.h"
#include "door/EDSDoc.h"
#include "door/KeptSave.h"
#include "pages/PageRows.h"
#include "pages/ProjectTree.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>

namespace corvid::cli {

namespace {

struct EditOptions {
    std::string input;
    std::string output;
    std::vector<std::string> sets;    // PAGE:ROW:COLUMN=TEXT
    std::vector<std::string> deletes; // PAGE:ROW
    bool answerNo = false;
    std::string as; // empty: detect
    SaveLayout layout = SaveLayout::Kept;
};

// Questions before a change get the answer the command was given; the rest
// go as the other file commands answer them.
class EditUserInterface : public CliUserInterface {
public:
    explicit EditUserInterface(bool answerNo)
        : answer_(answerNo ? MessageAnswer::No : MessageAnswer::Yes) {}
    MessageAnswer AskMessage(const std::string& text, const std::string& caption,
                             MessageButtons buttons, MessageIcon icon) override {
        if (buttons != MessageButtons::YesNo)
            return CliUserInterface::AskMessage(text, caption, buttons, icon);
        PrintError(text + (answer_ == MessageAnswer::Yes ? " Yes" : " No"));
        return answer_;
    }

private:
    MessageAnswer answer_;
};

// One change as given on the command line.
struct Change {
    std::string page;
    std::string row;
    std::string column; // --set only
    std::string text;   // --set only
};

std::optional<Change> ParseSet(const std::string& argument) {
    const size_t pageEnd = argument.find(':');
    const size_t rowEnd = argument.find(':', pageEnd == std::string::npos ? 0 : pageEnd + 1);
    const size_t columnEnd = argument.find('=', rowEnd == std::string::npos ? 0 : rowEnd + 1);
    if (columnEnd == std::string::npos || rowEnd == std::string::npos)
        return std::nullopt;
    return Change{argument.substr(0, pageEnd), argument.substr(pageEnd + 1, rowEnd - pageEnd - 1),
                  argument.substr(rowEnd + 1, columnEnd - rowEnd - 1),
                  argument.substr(columnEnd + 1)};
}

std::optional<Change> ParseDelete(const std::string& argument) {
    const size_t pageEnd = argument.find(':');
    if (pageEnd == std::string::npos)
        return std::nullopt;
    return Change{argument.substr(0, pageEnd), argument.substr(pageEnd + 1), {}, {}};
}

// Headers are matched without their leading blanks and tabs and without
// regard to case ("Value" for "\tValue").
std::optional<size_t> ColumnOf(const std::vector<PageColumn>& columns, const std::string& name) {
    for (size_t column = 0; column < columns.size(); ++column)
        if (EqualsNoCase(TrimmedBlanks(columns[column].Header), TrimmedBlanks(name)))
            return column;
    return std::nullopt;
}

// The file being edited: the one file of a document set of its own, changed
// only through the document's door, as the desktop program changes it.
struct EditedFile {
    CEDSDoc& doc;
    EDSFileRef place;
    EDSFileId id;
};

bool HasPage(const EditedFile& file, const std::string& page) {
    const std::vector<std::string> sections = BuildProjectTreeFile(file.doc, file.place).Sections;
    return std::find(sections.begin(), sections.end(), page) != sections.end();
}

// A page's columns are the same whatever the file holds: the page of an
// empty file of the kind gives them without a row for each of the file's
// thousands of objects or parameters.
std::vector<PageColumn> ColumnsOf(const EditedFile& file, const std::string& page) {
    std::vector<PageColumn> columns;
    WithKind(file.place.kind, [&]<typename Model>(std::type_identity<Model>) {
        columns = BuildPage(Model{}, page).Columns;
    });
    return columns;
}

// "Assem100+5" is the row five below the head row of Assem100 as the open
// entry shows it; "Assem100+0" is the open head row itself.
std::optional<CellEdit> RowEdit(const Change& change, size_t column) {
    CellEdit edit{change.page, change.row, column, change.text, std::nullopt};
    const size_t plus = change.row.find('+');
    if (plus == std::string::npos)
        return edit;
    const std::string digits = change.row.substr(plus + 1);
    if (!IsDecimal(digits) || digits.size() > 6)
        return std::nullopt;
    edit.RowKey = std::string_view(change.row).substr(0, plus);
    edit.Distance = static_cast<size_t>(ParseNumber(digits));
    return edit;
}

// Messages of the core end in CR LF for the message window.
void PrintRefusal(std::string message) {
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
        message.pop_back();
    PrintError(message);
}

bool ApplySet(EditedFile& file, const std::string& argument) {
    const std::optional<Change> change = ParseSet(argument);
    if (!change) {
        PrintError("--set " + argument + ": expected PAGE:ROW:COLUMN=TEXT");
        return false;
    }
    if (!HasPage(file, change->page)) {
        PrintError("--set " + argument + ": no page " + change->page + " in this file");
        return false;
    }
    const std::optional<size_t> column = ColumnOf(ColumnsOf(file, change->page), change->column);
    if (!column) {
        PrintError("--set " + argument + ": no column " + change->column + " on page " +
                   change->page);
        return false;
    }
    const std::optional<CellEdit> edit = RowEdit(*change, *column);
    if (!edit) {
        PrintError("--set " + argument + ": expected ROW or ROW+N (N rows below the entry's head)");
        return false;
    }
    const EDSCommitted result = file.doc.Commit(file.id, CellChange::Of(*edit));
    if (result.Stored()) {
        if (!result.Message.empty())
            PrintRefusal(result.Message); // a warning: the value is stored
        return true;
    }
    PrintRefusal(result.Message);
    return false;
}

bool ApplyDelete(EditedFile& file, const std::string& argument) {
    const std::optional<Change> change = ParseDelete(argument);
    if (!change || !HasPage(file, change->page)) {
        PrintError("--delete " + argument + ": expected PAGE:ROW with a page of this file");
        return false;
    }
    const EDSCommitted result = file.doc.Commit(file.id, DeleteChange{change->page, change->row});
    if (result.Stored() || result.Status == CommitStatus::Declined)
        return true;
    PrintRefusal(result.Message);
    return false;
}

bool ApplyChanges(EditedFile& file, const EditOptions& options) {
    for (const std::string& set : options.sets)
        if (!ApplySet(file, set))
            return false;
    for (const std::string& deletion : options.deletes)
        if (!ApplyDelete(file, deletion))
            return false;
    return true;
}

int RunEdit(const EditOptions& options) {
    std::error_code unknownSize;
    const auto size = std::filesystem::file_size(options.input, unknownSize);
    if (!unknownSize)
        PrepareHeapFor(size);
    std::string text;
    std::string error;
    if (!ReadWholeFile(options.input, text, error)) {
        PrintError(options.input + ": unreadable: " + error);
        return kExitFailure;
    }
    EditUserInterface ui(options.answerNo);
    CEDSDoc doc(ui);
    const EDSKind kind = ChosenKind(options.input, text, options.as);
    const std::optional<EDSFileId> id = doc.AddFileText(kind, std::move(text), options.input);
    if (!id) {
        PrintError(options.input +
                   ": not an EDS file of a known kind (use --as to choose a reader)");
        return kExitUnusable;
    }
    EditedFile file{doc, *doc.Find(*id), *id};
    if (!ApplyChanges(file, options))
        return kExitFailure;
    const bool kept = options.layout == SaveLayout::Kept;
    size_t changedLines = 0;
    if (!doc.WriteFile(*id, options.output, kept ? CEDSDoc::Layout::Kept : CEDSDoc::Layout::Corvid,
                       changedLines, error)) {
        PrintError(options.output + ": " + error);
        return kExitFailure;
    }
    if (kept) {
        const std::string line = ChangedLinesText(changedLines, options.output);
        std::cerr << line.substr(0, line.size() - 2) << '\n';
    }
    return kExitOk;
}

} // namespace

void RegisterEditCommands(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<EditOptions>();
    auto* edit = app.add_subcommand(
        "edit", "Change values and delete rows of an EDS file by the editing view's rules, then "
                "save it in its own layout. Changes apply in order: every --set, then every "
                "--delete; the first that is refused stops the command and OUT is not written. "
                "A change stamps ModificationDate and ModificationTime ([FileInfo]) or ModDate "
                "and ModTime ([File]) where the file has them (SOURCE_DATE_EPOCH fixes the "
                "time); 'Save File:  N lines changed in OUT' goes to standard error");
    edit->add_option("IN", options->input, "File to read")->required();
    edit->add_option("OUT", options->output, "File to write (replaced safely)")->required();
    edit->add_option("--set", options->sets,
                     "PAGE:ROW:COLUMN=TEXT: store TEXT in a cell. PAGE is the section as the "
                     "project tree names it (DeviceInfo, ManufacturerObjects, Params, IO_Info, "
                     "Assembly), ROW the row's key without its indent (VendorNumber, 2000, "
                     "2000sub1, Param3, Group2), or KEY+N for the row N below the head row of an "
                     "open entry (Input1+4 is its name, Assem100+5 its second member, Param4+1 "
                     "the second enumeration string), COLUMN the column's header (Value, Default "
                     "Value, ParameterName, GroupName). Popup cells take numbers: Descriptor "
                     "bits 0 to 6, type masks bits 0 to 3; Enum takes the strings as the popup "
                     "does (\"a\",\"b\";)");
    edit->add_option("--delete", options->deletes,
                     "PAGE:ROW: delete a row as Delete in the view does: an object or sub-index "
                     "of a CANopen object page, a parameter (Params:Param3; later parameters and "
                     "the references to them are renumbered), an IO_Info entry (PollInfo, "
                     "Input2), an EtherNet/IP entry by its head row (Assembly:Assem100, "
                     "Capacity:TSpec2, Port:Port1)");
    AddAsOption(*edit, options->as);
    AddLayoutOption(*edit, options->layout,
                    "kept (default): every byte of IN that no change touched is written as read, "
                    "and each change at its own place; corvid: the writer's own layout, as "
                    "resave writes");
    edit->add_flag("--no", options->answerNo,
                   "Answer No to the questions a change asks, such as the delete question "
                   "(default: Yes); a change answered No is skipped");
    edit->callback([options, &exitCode] { exitCode = RunEdit(*options); });
}

} // namespace corvid::cli
