#pragma once
// Qt's own texts in the run's language: the standard entries of a field's
// context menu (Undo, Paste, ...), the standard buttons of a message box, Qt's
// own file dialog where the platform has none.

#include "text/TextTable.h"

// In a Japanese run, installs Qt's Japanese translation (qtbase_ja); in an
// English run, Qt's texts stay as Qt writes them. Called before any widget is
// built; called again, it replaces what the last call installed. Without the
// file, Qt's texts stay English and nothing else changes.
void UseQtTexts(Language language);
