#pragma once
// What the window and its dialogs share in how they look: the window's fonts,
// a dialog's name, title and font, and its OK and Cancel buttons. The dialogs'
// buttons get their texts in the run's language here and nowhere else, so
// that no translation loaded for the toolkit's own texts changes them.

#include <QFont>
#include <QString>

#include "settings/ModCommonProc.h"

class QDialog;
class QDialogButtonBox;

// A font of the window: the caption font name of the run, in `points`, bold
// or not. The window's groups of controls differ only in size and weight (a
// fresh font is never italic, underlined or struck out).
QFont WindowFont(const StartupValues& startup, double points, bool bold = false);

// Gives `dialog` its object name, the title `title` in the run's language and
// the window's font for dialogs.
void SetUpDialog(QDialog* dialog, const StartupValues& startup, const QString& objectName,
                 TextId title);

// OK and Cancel in the run's language, which accept and reject `dialog`. OK is
// the default button: Enter takes it while it is enabled.
QDialogButtonBox* NewOkCancelButtons(QDialog* dialog, const StartupValues& startup);
