#pragma once

// A model's sections as the JSON dump writes them, as one text.

#include "door/EDSDocKinds.h"

#include <sstream>
#include <string>

namespace corvid::test {

template <typename Model> std::string ModelJsonText(const Model& model) {
    std::ostringstream text;
    CJsonWriter out(text);
    out.BeginObject();
    EDSDocKind<Model>::WriteJson(out, model);
    out.EndObject();
    out.Flush();
    return text.str();
}

} // namespace corvid::test
