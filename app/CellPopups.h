#pragma once

#include "pages/PageRows.h"

#include <QFrame>
#include <QString>
#include <QStringList>

#include <vector>

class QCheckBox;

namespace corvid::app {

// The small windows a double click opens on a Descriptor, type mask or
// Enum cell. They are the cell's editor: the view commits them as it
// commits a text field (a click elsewhere, the focus leaving, Enter) and
// Escape closes them unchanged.

// Check boxes for the low bits of a mask; the bits above them are the
// model's and are kept by the commit.
class CBitsPopup : public QFrame {
    Q_OBJECT
public:
    CBitsPopup(const QStringList& boxes, unsigned bits, QWidget* parent);

    unsigned Bits() const;
    // What the commit parses: the boxes' bits as a number.
    QString Text() const { return QString::number(Bits()); }

    // The boxes of a popup cell's kind, bit 0 first; none for a kind that
    // edits text.
    static QStringList BoxesOf(PopupKind kind);

protected:
    // Tab and Backtab go round the boxes instead of moving the list on to
    // its next cell, which would close the popup.
    bool focusNextPrevChild(bool next) override;

private:
    std::vector<QCheckBox*> boxes_;
};

} // namespace corvid::app
