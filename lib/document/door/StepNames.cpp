#include "door/StepNames.h"

#include "dictionaries/EDSTextHelper.h"
#include "pages/PageRows.h"

#include <array>

namespace corvid {

namespace {

std::string Fill(std::string_view pattern, const std::string& first,
                 const std::string& second = {}) {
    std::string text(pattern);
    text.replace(text.find("%s"), 2, first);
    if (const size_t at = text.find("%s"); at != std::string::npos)
        text.replace(at, 2, second);
    return text;
}

// A table cell is named by its column and row ("Default Value of 1017"),
// any other cell by its row: the keyword, or the entry a field belongs to.
// The columns of a table page do not depend on its rows, so they are taken
// from an empty model rather than from a page of thousands of rows.
template <typename Model> std::string CellStepName(const CellChange& change) {
    static const Model empty;
    const Page page = BuildPage(empty, change.Section);
    if (page.Layout == PageLayout::Table && change.Column < page.Columns.size())
        return Fill(step_texts::kEditOf,
                    std::string(TrimmedBlanksView(page.Columns[change.Column].Header)),
                    change.RowKey);
    return Fill(step_texts::kEdit, change.RowKey);
}

std::string ObjectListSection(const CCANopenEDS& model, uint16_t index, uint8_t category) {
    static constexpr std::array<const char*, 3> kLists = {"MandatoryObjects", "OptionalObjects",
                                                          "ManufacturerObjects"};
    if (category == 0) { // a sub-index: the page of its object
        const FindResult found = FindObject(model.Objects, index);
        if (found.position && found.relation == FindRelation::Found)
            category = model.Objects[*found.position].Category;
    }
    return category >= 1 && category <= kLists.size() ? kLists[category - 1] : "";
}

std::string ObjectName(const ObjectKey& key) {
    return key.SubIndex ? SubIndexSectionName(key.Index, *key.SubIndex)
                        : ObjectSectionName(key.Index);
}

std::string ParamName(uint32_t number) {
    return "Param" + std::to_string(number);
}

// The steps every kind names alike: a cell, a Delete, an entry's Insert.
template <typename Model> struct SharedLabels {
    const Model& model;

    StepLabel operator()(const CellChange& change) const {
        return {CellStepName<Model>(change), change.Section};
    }
    StepLabel operator()(const DeleteChange& change) const {
        return {Fill(step_texts::kDelete, change.RowKey), change.Section};
    }
    StepLabel operator()(const IOInfoChange&) const {
        return {Fill(step_texts::kInsert, "IO_Info"), "IO_Info"};
    }
    StepLabel operator()(const EntryInsertChange& change) const {
        return {Fill(step_texts::kInsert, change.Section), change.Section};
    }
};

template <typename Model> struct ParamLabels : SharedLabels<Model> {
    const EDSCommitted& committed;
    using SharedLabels<Model>::operator();

    std::string Placed() const {
        const size_t at = committed.PlacedParam.value_or(this->model.Params.size());
        return at < this->model.Params.size() ? ParamName(this->model.Params[at].Number)
                                              : std::string("Params");
    }
    StepLabel operator()(const InsertParamChange& change) const {
        const std::string_view text =
            change.Place == InsertPlace::Replace ? step_texts::kReplace : step_texts::kInsert;
        return {Fill(text, Placed()), "Params"};
    }
    StepLabel operator()(const PasteParamChange&) const {
        return {Fill(step_texts::kPaste, Placed()), "Params"};
    }
    StepLabel operator()(const CutParamChange&) const {
        return {
            Fill(step_texts::kCut, ParamName(committed.CutParam ? committed.CutParam->Number : 0)),
            "Params"};
    }
    template <typename Other> StepLabel operator()(const Other&) const { return {}; }
};

struct ObjectLabels : SharedLabels<CCANopenEDS> {
    const EDSCommitted& committed;
    using SharedLabels<CCANopenEDS>::operator();

    StepLabel operator()(const ObjectRecordChange& change) const {
        const ObjectKey key = committed.PlacedObject.value_or(ObjectKey{});
        return {Fill(step_texts::kInsert, ObjectName(key)),
                ObjectListSection(model, key.Index, change.Record.Category)};
    }
    StepLabel operator()(const CutObjectChange& change) const {
        const uint8_t category = committed.CutObject ? committed.CutObject->Category : 0;
        return {Fill(step_texts::kCut, ObjectName(change.Key)),
                ObjectListSection(model, change.Key.Index, category)};
    }
    template <typename Other> StepLabel operator()(const Other&) const { return {}; }
};

} // namespace

StepLabel LabelStep(const CCANopenEDS& model, const EDSChange& change,
                    const EDSCommitted& committed) {
    return std::visit(ObjectLabels{{model}, committed}, change);
}

StepLabel LabelStep(const CDeviceNetEDS& model, const EDSChange& change,
                    const EDSCommitted& committed) {
    return std::visit(ParamLabels<CDeviceNetEDS>{{model}, committed}, change);
}

StepLabel LabelStep(const CEtherNetIPEDS& model, const EDSChange& change,
                    const EDSCommitted& committed) {
    return std::visit(ParamLabels<CEtherNetIPEDS>{{model}, committed}, change);
}

} // namespace corvid
