#pragma once

// A save of a large file as read with one value changed: in Corvid's layout
// (the whole file written from the model) and in the file's own layout (the
// one change spliced into the file's text), the render of the file as read
// taken before the change as the document set takes it.

#include "door/KeptSave.h"

#include <benchmark/benchmark.h>

#include <string>

namespace corvid::bench {

template <typename Model, typename Edit> Model ReadWithOneEdit(const Model& large, Edit edit) {
    const std::string text = EDSDocKind<Model>::Format(large);
    Model model;
    EDSDocKind<Model>::LoadText(model, text, "large.eds");
    model.Header.SourceText = text;
    KeepSourceRender(model);
    edit(model);
    return model;
}

template <typename Model> void SaveCorvidLayout(benchmark::State& state, const Model& model) {
    for (auto _ : state)
        benchmark::DoNotOptimize(EDSDocKind<Model>::Format(model).data());
}

template <typename Model> void SaveKeptLayout(benchmark::State& state, Model& model) {
    for (auto _ : state)
        benchmark::DoNotOptimize(FormatKeptLayout(model, StampTime{}).text.data());
}

} // namespace corvid::bench
