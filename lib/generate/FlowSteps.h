#pragma once

// Steps the new-file flows share.

#include "device/ModbusMaster.h"
#include "dictionaries/FieldTable.h"
#include "dictionaries/UserInterface.h"
#include "generate/NewFileFlows.h"

#include <string_view>

namespace corvid::flow_steps {

// What the dialog shows twice: a line in the message window and the same
// text in a warning box.
void LogAndWarn(IUserInterface& ui, std::string_view text);

// The master's port, bit rate, framing and address from the dialog's lists.
void ApplyDriveLine(CModbusMaster& master, const DriveLine& line);

// A model read from a catalogue or template file becomes one Corvid made:
// the file it creates gets the full layout, whatever the model file left
// out.
template <typename Model> void ForgetWhatTheFileGave(Model& model) {
    if constexpr (requires { GivenFieldsOf(model); })
        for (GivenFields* given : GivenFieldsOf(model))
            *given = GivenFields{};
}

} // namespace corvid::flow_steps
