#pragma once

// A save of a large file as read with one value changed: in Corvid's layout
// (the whole file written from the model) and in the file's own layout (the
// one change spliced into the file's text). The value is changed through
// the document set's door, as the window's cell edit changes it, so the
// save knows what the change touched as a user's save does.

#include "devicenet/EDSParamFields.h"
#include "door/EDSDoc.h"
#include "door/KeptSave.h"

#include "ScriptedUserInterface.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace corvid::bench {

template <typename Model> struct EditedFile {
    test::ScriptedUserInterface ui; // a cell edit asks nothing
    CEDSDoc doc{ui};
    EDSFileId id;

    EditedFile(const Model& large, const CellChange& edit) {
        id = *doc.AddFileText(EDSDocKind<Model>::kKind, EDSDocKind<Model>::Format(large),
                              "large.eds");
        if (!doc.Commit(id, edit).Stored()) {
            std::fprintf(stderr, "the benchmark's edit was not stored\n");
            std::abort();
        }
    }

    Model& Edited() { return *doc.Files<Model>().front(); }
};

// One parameter's default changed: the 2,501st's.
inline CellChange OneParamEdit() {
    size_t column = 0;
    for (const ParamField& field : kParamFields)
        if (field.JsonName == "Default")
            column = field.Traits.Column;
    return {"Params", "Param2501", column, "200", std::nullopt};
}

template <typename Model> void SaveCorvidLayout(benchmark::State& state, EditedFile<Model>& file) {
    for (auto _ : state)
        benchmark::DoNotOptimize(EDSDocKind<Model>::Format(file.Edited()).data());
}

template <typename Model> void SaveKeptLayout(benchmark::State& state, EditedFile<Model>& file) {
    for (auto _ : state)
        benchmark::DoNotOptimize(
            FormatKeptLayout(file.Edited(), StampTime{}, file.doc.Reach(file.id)).text.data());
}

} // namespace corvid::bench
