#pragma once
// What a dialog hands back to the window goes into a field as if the user
// had typed it.

#include <QString>

class QLineEdit;

// Replaces the field's text as typing would: undoable, announced as an edit,
// within the field's length.
void TypeIntoField(QLineEdit* field, const QString& text);
