#pragma once
// Entries that a control's context menu offers before its own: the pipe size
// table on the outer diameter, and whatever else a feature hangs on a field,
// a list or a result. Each feature adds its entry once; the menu shows them in
// the order added, then (for a text field) the field's standard entries.
//
// The menu opens on the right mouse button, the context-menu key and
// Shift+F10, as on Windows, where the system turns both keys into a menu
// request; elsewhere only the key is.

#include <QString>
#include <functional>

class QWidget;

// Adds `entryText` to `control`'s context menu; picking it calls `open` once
// the menu is gone.
void AddContextMenuEntry(QWidget* control, const QString& entryText, std::function<void()> open);

// Alt+Down or F4 in `control` calls `open`, as they open a drop-down list.
void AddDropDownKeys(QWidget* control, std::function<void()> open);
