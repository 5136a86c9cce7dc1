#include "CellPopups.h"

#include <QCheckBox>
#include <QVBoxLayout>

namespace corvid::app {

CBitsPopup::CBitsPopup(const QStringList& boxes, unsigned bits, QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setAutoFillBackground(true);
    // The popup keeps the focus while its boxes are clicked, so the view
    // sees one editor that commits when the focus leaves it.
    setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(2);
    for (qsizetype bit = 0; bit < boxes.size(); ++bit) {
        auto* box = new QCheckBox(boxes[bit], this);
        box->setFocusPolicy(Qt::NoFocus);
        box->setChecked((bits >> bit & 1u) != 0);
        layout->addWidget(box);
        boxes_.push_back(box);
    }
    resize(sizeHint());
}

unsigned CBitsPopup::Bits() const {
    unsigned bits = 0;
    for (size_t bit = 0; bit < boxes_.size(); ++bit)
        if (boxes_[bit]->isChecked())
            bits |= 1u << bit;
    return bits;
}

QStringList CBitsPopup::BoxesOf(PopupKind kind) {
    switch (kind) {
    case PopupKind::Descriptor:
        return {tr("Supports Settable Path"),
                tr("Supports Enumerated Strings"),
                tr("Supports Scaling"),
                tr("Supports Scaling Links"),
                tr("Read-only parameter"),
                tr("Monitor Parameter"),
                tr("Supports Extended Precision Scaling")};
    case PopupKind::TypeMask:
        return {tr("Poll"), tr("Strobe"), tr("Change of State"), tr("Cyclic")};
    case PopupKind::EnumStrings:
    case PopupKind::None:
        break;
    }
    return {};
}

} // namespace corvid::app
