#pragma once

#include <Qt>

namespace corvid::app {

// Data roles of the page model beyond Qt's own, one name each.
enum PageRole {
    RowKeyRole = Qt::UserRole + 1, // the row's key ("Param12", "2000sub1"), empty on field rows
    RowLookRole,                   // corvid::RowLook as int
    CellEditorRole,                // corvid::CellEditor of the cell as int
};

} // namespace corvid::app
