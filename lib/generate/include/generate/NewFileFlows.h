#pragma once

// What the "New EDS File" dialog does, without its widgets: load a model
// from the catalogue, generate one from a drive, and run the auto test. A
// window and the command line drive these the same way; every line and
// question goes through the user interface.

#include "device/AutoTest.h"
#include "device/ModbusMaster.h"
#include "dictionaries/UserInterface.h"
#include "door/EDSDoc.h"
#include "generate/GenerationClock.h"

#include <functional>
#include <optional>
#include <string>

namespace corvid {

// The entries chosen in the fieldbus, module, device and model lists.
struct CatalogueChoice {
    EDSKind kind = EDSKind::CANopen;
    std::string module;
    std::string device;
    std::string model; // catalogue mode: the model file's title
};

// Reads {protocol}/{module}/{device}/{model}.dat with the reader of its
// fieldbus and adds it to the document set. Refused with a log line when a
// file of that path is already open, or when the model file cannot be read.
bool LoadFromCatalogue(CEDSDoc& doc, IUserInterface& ui, const CatalogueChoice& choice);

// The serial settings as the dialog's lists give them.
struct DriveLine {
    int port = 1;       // "COM%d", 1 to 16
    std::string device; // a device path used instead of the port number
    std::string baudRate = "9600";
    std::string protocol = "8 N 2 RTU";
    uint8_t address = 255; // the dialog always asks 255
};

// Opens the line, checks that a drive answers, remembers the settings in
// Configure.ini, and generates a CANopen or DeviceNet description from the
// catalogue and the drive, which it adds to the document set. The port stays
// open in `master`. False, with the reason logged, when the port cannot be
// opened, nothing answers, the user aborted a read, or the fieldbus is
// EtherNet/IP (which is never generated).
bool LoadFromDrive(CEDSDoc& doc, IUserInterface& ui, CModbusMaster& master,
                   const CatalogueChoice& choice, const DriveLine& line,
                   const GenerationClock& clock = LocalTimeNow);

// The dialog's auto test options.
struct AutoTestChoice {
    DriveLine line;                          // where to start; `address` is the Address box
    std::optional<uint16_t> registerAddress; // none: "testAdd" of Configure.ini
    bool scanPorts = false;
    bool scanAddress = false;
    bool scanSettings = true;
};

// What the lists then select.
struct AutoTestFound {
    int port = 1;
    std::string device;
    std::string baudRate;
    std::string protocol; // a framing list entry
    int address = 255;
};

// Runs the auto test on the chosen register with its log
// lines and closing message box; shows each trial through `showStatus`. The
// port is closed afterwards. Empty when nothing answered or it was stopped.
std::optional<AutoTestFound> RunAutoTest(CModbusMaster& master, IUserInterface& ui,
                                         const AutoTestChoice& choice,
                                         const std::function<void(const std::string&)>& showStatus);

} // namespace corvid
