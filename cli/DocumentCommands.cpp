#include "DocumentCommands.h"

#include "CliCommon.h"
#include "CliUserInterface.h"

#include "door/EDSDoc.h"

#include <iostream>
#include <memory>

namespace corvid::cli {

namespace {

// What File Open does with the chosen files, then the open files as the
// project window would list them: fieldbus, position, title.
int RunOpen(const std::vector<std::string>& files) {
    CliUserInterface ui;
    CEDSDoc doc(ui);
    doc.OpenPaths(files);
    for (const EDSKind kind : {EDSKind::CANopen, EDSKind::DeviceNet, EDSKind::EtherNetIP}) {
        for (size_t position = 0; position < doc.FileCount(kind); ++position)
            std::cout << EDSKindName(kind) << ' ' << position << ' '
                      << doc.Header({kind, position})->Title << '\n';
    }
    return kExitOk;
}

} // namespace

void RegisterDocumentCommands(CLI::App& app, int& exitCode) {
    auto files = std::make_shared<std::vector<std::string>>();
    auto* open = app.add_subcommand(
        "open", "Open EDS files as File Open does: print the message-window lines, then one "
                "line per open file (fieldbus, position, title)");
    open->add_option("FILE", *files, "EDS files, in the order they are chosen")->required();
    open->callback([files, &exitCode] { exitCode = RunOpen(*files); });
}

} // namespace corvid::cli
