#pragma once

#include "door/EDSDoc.h"

#include <QWidget>

class QLineEdit;

namespace corvid::app {

class CEDSView;

// The filter box over the parameter table and the CANopen object pages:
// the view shows only the rows holding its text, with the head rows of the
// entries holding it, closed ones too. It shows on those pages only and
// starts empty on each.
class CPageFilter : public QWidget {
    Q_OBJECT
public:
    CPageFilter(CEDSDoc& doc, CEDSView& view, QWidget* parent);

    QLineEdit& Text() const { return *text_; }
    // Shows every row again, as when the box is emptied.
    void ClearFilter();

private:
    void OnPageChanged();
    void Apply();

    CEDSDoc& doc_;
    CEDSView& view_;
    QLineEdit* text_;
};

} // namespace corvid::app
