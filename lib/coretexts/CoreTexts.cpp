#include "coretexts/CoreTexts.h"

#include "canopen/CANopenObjectEditing.h"
#include "dictionaries/TypeDictionaries.h"
#include "door/EDSDocKinds.h"
#include "door/EDSDocTexts.h"
#include "door/StepNames.h"
#include "generate/GenerateTexts.h"
#include "pages/ParamColumns.h"

#include <algorithm>

namespace corvid {

namespace {

// The texts as their makers write them, without the line end a log line
// carries.
std::string Body(std::string_view text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.remove_suffix(1);
    return std::string(text);
}

std::string Concat(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts)
        text += part;
    return Body(text);
}

std::vector<CoreText> DocumentTexts() {
    const std::string_view open = doc_texts::kOpenFile;
    return {
        {61218, Concat({open, "%s", doc_texts::kAlreadyOpened})},
        // The question names the file that goes, below it.
        {61220, Concat({doc_texts::kDeleteFile, "\n%s"})},
        {61221, Body(doc_texts::kSaveFile)},
        {70001, Concat({open, "%s", EDSDocKind<CCANopenEDS>::kOpenedText})},
        {70002, Concat({open, "%s", EDSDocKind<CDeviceNetEDS>::kOpenedText})},
        {70003, Concat({open, "%s", EDSDocKind<CEtherNetIPEDS>::kOpenedText})},
        {70004, Concat({open, "%s", doc_texts::kUnreadable, "%s"})},
        {70005, Concat({doc_texts::kSaveFailed, "%s"})},
        {70006, Concat({doc_texts::kSavePrompt, "\n%s.eds"})},
        // What a file keeps beyond the model, counted in lines and sections.
        {70007, Concat({open, "%s keeps %s and %s that Corvid does not edit; they are saved as "
                              "read."})},
        {70008, "%u line"},
        {70009, "%u lines"},
        {70010, "%u section"},
        {70011, "%u sections"},
        {70012, "EDS Files(*.eds)"},
        {70013, "All Files(*.*)"},
        {70014, Body(doc_texts::kSaveAsTitle)},
        {70015, Concat({doc_texts::kDeleteFile, "\n%s", doc_texts::kUnsavedChanges})},
        {70016, Body(doc_texts::kRemoveFile)},
        // The same with only lines or only sections to tell.
        {70113, Concat({open, "%s keeps %s that Corvid does not edit; they are saved as read."})},
        // The counts of the check of a file just opened.
        {70114, "Check:  %s, %s in %s"},
        {70115, "%u error"},
        {70116, "%u errors"},
        {70117, "%u warning"},
        {70118, "%u warnings"},
    };
}

std::vector<CoreText> ObjectTexts() {
    return {
        {61206, Body(object_texts::kPasteObject)},
        {61207, Body(object_texts::kNewObject)},
        {61208, Body(object_texts::kInvalidIndex)},
        {61209, Body(object_texts::kReplaceIndex)},
        {61210, Body(object_texts::kNoSuchObject)},
        {61211, Body(object_texts::kReplaceSubIndex)},
        {61241, "Delete"},
        {61246, Concat({object_texts::kDeleteObject, "\r\n%s"})},
    };
}

// An edit the page refuses, and why.
std::vector<CoreText> CellTexts() {
    return {
        {70020, "Edit:  %s: \"%s\" refused, %s; the value is unchanged."},
        {70021, "Edit:  %s cannot be edited."},
        {70022, "Edit:  %s cannot be deleted."},
        {70023, "not a number from 0 to %u"},
        {70024, "not 0 or 1"},
        {70025, "\",\", \";\" and \"$\" would split the entry"},
        {70026, Concat({"not a data type of ", kDataTypeFile})},
        {70027, Concat({"not an object type of ", kObjectTypeFile})},
        {70028, "an object with sub-indexes must be DEFSTRUCT, ARRAY or RECORD"},
        {70029, "not ro, wo, rw, rwr, rww or const"},
        {70030, "a double quote inside would end the text early"},
        {70031, "\",\", \";\", \"$\" and an unclosed quote would split the entry"},
        {70032, "\";\", \"$\" and an unclosed quote would cut the entry"},
        {70033, "the row needs %u fields split by exactly %u comma, and no \";\" or \"$\" "
                "outside quotes"},
        {70034, "the row needs %u fields split by exactly %u commas, and no \";\" or \"$\" "
                "outside quotes"},
        {70035, "%s has already existed! Do you want to replace it?"},
        {70036, Concat({object_texts::kDeleteObject, "\r\n%s\r\n%s is named by %s."})},
        {70037, "Index is from 1 to 65535."},
        {70038, "Size, Bit and Path Size are from 0 to 65535."},
        {70039, "Edit:  IO_Info: %s"},
        {70080, "Edit:  %s has no Insert."},
        {70081, "Edit:  %s has no entry %s."},
        {70082, "not connection bits 0 to 3 (0 to 0x0F)"},
        {70083, "not a whole number from -32768 to 32767"},
        {70084, "not descriptor bits 0 to 6 (0 to 0x7F)"},
        {70085, "not a data type of the list this parameter offers"},
        {70086, "not a group from 1 to %u"},
        {70087, "Edit:  Params: no parameter at row %u."},
    };
}

std::vector<CoreText> GenerationTexts() {
    using namespace generate_texts;
    return {
        {70040, Body(kAutoTestStart)},
        {70041, Body(kAutoTestFailure)},
        {70042, Body(kAutoTestSuccess)},
        {70300, Body(kAutoTestStopped)},
        {70043, Body(kOpenPortFailure)},
        {70044, Body(kConnectFailure)},
        {70045, Body(kLoadingCANopen)},
        {70046, Body(kLoadingDeviceNet)},
        {70047, Body(kReadingFrom)},
        {70048, Body(kReadingDrive)},
        {70049, Body(kAlreadyLoaded)},
        {70050, Body(kCannotRead)},
        {70051, Body(kNoEtherNetIPGeneration)},
        {70052, Body(kConfigureNotSaved)},
        {70053, Body(kBadBitRate)},
        {70054, Body(kBadFraming)},
        {70055, Body(kBadAddress)},
        {70056, Body(kNoIdentityObject)},
        {70057, Body(kWarningCaption)},
        {70058, "Load File:  ManuDefine.ini [%s] gives no group index in key \"0\"; the group is "
                "left out."},
        {70059, "Load File: Warning : Param[%u][%u]'s minimum is greater than maximum."},
        {70060, "Load File: Warning : Param[%u][%u]'s default value is not between the maximum "
                "and minimum."},
        {70061, "Load File: Warning : Param%u's minimum is greater than maximum."},
        {70062, "Load File: Warning : Param%u's default value is not between the maximum and "
                "minimum."},
        {70063, "Load File:  Object 0x%X: %s"},
        {70064, "key \"%s\" names no register; left out."},
        {70065, "register 0x%X would be sub-index 0; left out."},
        {70066, "register 0x%X repeats sub-index %u; left out."},
        {70067, "parameters past 254 are left out."},
        {70068, "Load File: Error occurs when reading register 0x%X."},
        {70069, "WARNING: Error occurs when reading register 0x%X!"},
        // The state line of the auto test: port, bit rate, framing, address.
        {70070, "State: %s, %u, %s, %s"},
    };
}

// Headings of the pages and the commands of the "Params" menu.
std::vector<CoreText> PageTexts() {
    std::vector<CoreText> texts = {
        {70100, "Value"},          {70101, "File Title"},  {70102, "File Open Path"},
        {70103, "File Save Path"}, {70104, "Index"},       {70105, "Parameter Name"},
        {70106, "Low Limit"},      {70107, "High Limit"},  {70108, "Default Value"},
        {70109, "Data Type"},      {70110, "Object Type"}, {70111, "Access Type"},
        {70112, "Mappable"},
    };
    for (const ParamColumn& column : kParamColumns)
        if (std::none_of(texts.begin(), texts.end(),
                         [&](const CoreText& text) { return text.Template == column.CommandText; }))
            texts.push_back({column.CommandId, std::string(column.CommandText)});
    return texts;
}

// The names of undo steps in the Edit menu.
std::vector<CoreText> StepTexts() {
    using namespace step_texts;
    return {
        {70120, std::string(kEdit)},    {70121, std::string(kEditOf)},
        {70122, std::string(kDelete)},  {70123, std::string(kInsert)},
        {70124, std::string(kReplace)}, {70125, std::string(kCut)},
        {70126, std::string(kPaste)},
    };
}

std::vector<CoreText> AllTexts() {
    std::vector<CoreText> all;
    for (auto&& part :
         {DocumentTexts(), ObjectTexts(), CellTexts(), GenerationTexts(), PageTexts(), StepTexts()})
        all.insert(all.end(), part.begin(), part.end());
    std::sort(all.begin(), all.end(),
              [](const CoreText& a, const CoreText& b) { return a.Number < b.Number; });
    return all;
}

} // namespace

const std::vector<CoreText>& CoreTexts() {
    static const std::vector<CoreText> texts = AllTexts();
    return texts;
}

} // namespace corvid
