#include "CellPopups.h"

#include <QCheckBox>
#include <QVBoxLayout>

#include <algorithm>

namespace corvid::app {

CBitsPopup::CBitsPopup(const QStringList& boxes, unsigned bits, QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(2);
    for (qsizetype bit = 0; bit < boxes.size(); ++bit) {
        auto* box = new QCheckBox(boxes[bit], this);
        box->setChecked((bits >> bit & 1u) != 0);
        layout->addWidget(box);
        boxes_.push_back(box);
    }
    // From the keyboard: Tab moves between the boxes, Space ticks one,
    // Enter stores and Escape drops (the boxes pass both keys on to the
    // popup, which the view watches as its editor).
    if (!boxes_.empty())
        setFocusProxy(boxes_.front());
    resize(sizeHint());
}

unsigned CBitsPopup::Bits() const {
    unsigned bits = 0;
    for (size_t bit = 0; bit < boxes_.size(); ++bit)
        if (boxes_[bit]->isChecked())
            bits |= 1u << bit;
    return bits;
}

bool CBitsPopup::focusNextPrevChild(bool next) {
    if (boxes_.empty())
        return false;
    const auto focused = std::find(boxes_.begin(), boxes_.end(), focusWidget());
    const auto count = static_cast<std::ptrdiff_t>(boxes_.size());
    const std::ptrdiff_t at = focused == boxes_.end() ? 0 : focused - boxes_.begin();
    boxes_[static_cast<size_t>((at + (next ? 1 : count - 1)) % count)]->setFocus(
        Qt::TabFocusReason);
    return true;
}

QStringList CBitsPopup::BoxesOf(PopupKind kind) {
    if (kind == PopupKind::Descriptor)
        return {tr("Supports Settable Path"),
                tr("Supports Enumerated Strings"),
                tr("Supports Scaling"),
                tr("Supports Scaling Links"),
                tr("Read-only parameter"),
                tr("Monitor Parameter"),
                tr("Supports Extended Precision Scaling")};
    if (kind == PopupKind::TypeMask)
        return {tr("Poll"), tr("Strobe"), tr("Change of State"), tr("Cyclic")};
    return {};
}

} // namespace corvid::app
