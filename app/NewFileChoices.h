#pragma once

#include <QString>

namespace corvid::app {

// What the "New EDS File" dialog reopens on: the user's last fieldbus,
// module, device and address, kept in the user's settings. The serial
// line's port, bit rate and framing stay in Configure.ini, where drive-mode
// Load writes them.
struct NewFileChoices {
    int fieldbus = 0; // the EDSKind number: 0 CANopen, 1 DeviceNet, 2 EtherNet/IP
    QString module;
    QString device;
    QString address; // empty: Configure.ini's "address"
};

NewFileChoices LoadNewFileChoices();
void StoreNewFileChoices(const NewFileChoices& choices);

} // namespace corvid::app
