#pragma once

#include <QWidget>

class QLineEdit;

namespace corvid::app {

class CEDSView;

// The filter box over the parameter table and the CANopen object pages:
// the view shows only the rows holding its text, with the head rows of
// their entries. It shows on those pages only and starts empty on each.
class CPageFilter : public QWidget {
    Q_OBJECT
public:
    CPageFilter(CEDSView& view, QWidget* parent);

    QLineEdit& Text() const { return *text_; }
    // Shows every row again, as when the box is emptied.
    void ClearFilter();

private:
    void OnPageChanged();
    void Apply();

    CEDSView& view_;
    QLineEdit* text_;
};

} // namespace corvid::app
