#include "NewFileChoices.h"

#include <QSettings>

namespace corvid::app {

namespace {

const QString kGroup = QStringLiteral("NewEDSFile");
const QString kFieldbus = QStringLiteral("fieldbus");
const QString kModule = QStringLiteral("module");
const QString kDevice = QStringLiteral("device");
const QString kAddress = QStringLiteral("address");

} // namespace

NewFileChoices LoadNewFileChoices() {
    QSettings settings;
    settings.beginGroup(kGroup);
    NewFileChoices choices;
    choices.fieldbus = settings.value(kFieldbus, 0).toInt();
    choices.module = settings.value(kModule).toString();
    choices.device = settings.value(kDevice).toString();
    choices.address = settings.value(kAddress).toString();
    return choices;
}

void StoreNewFileChoices(const NewFileChoices& choices) {
    QSettings settings;
    settings.beginGroup(kGroup);
    settings.setValue(kFieldbus, choices.fieldbus);
    settings.setValue(kModule, choices.module);
    settings.setValue(kDevice, choices.device);
    settings.setValue(kAddress, choices.address);
}

} // namespace corvid::app
