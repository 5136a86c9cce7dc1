#include "LanguageMenu.h"

#include "Language.h"

#include "dictionaries/UserInterface.h"

#include <QActionGroup>

namespace corvid::app {

CLanguageMenu::CLanguageMenu(IUserInterface& dialogs, QWidget* parent)
    : QMenu(tr("&Language"), parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("LanguageMenu"));
    auto* group = new QActionGroup(this);
    const uint16_t current = InterfaceLanguageId();
    for (const LanguageOffer& offer : OfferedLanguages()) {
        QAction* action = addAction(offer.Name);
        action->setCheckable(true);
        action->setChecked(offer.Id == current);
        action->setData(offer.Id);
        group->addAction(action);
        const uint16_t id = offer.Id;
        connect(action, &QAction::triggered, this, [this, id] { Choose(id); });
    }
}

void CLanguageMenu::Choose(uint16_t id) {
    StoreLanguageId(id);
    dialogs_.AskMessage(
        tr("In order to make language setup effective, please restart the software!").toStdString(),
        std::string(kMessageCaption), MessageButtons::Ok, MessageIcon::Information);
    // The mark stays with the language the program runs in until it restarts.
    for (QAction* action : actions())
        action->setChecked(action->data().toUInt() == InterfaceLanguageId());
}

} // namespace corvid::app
