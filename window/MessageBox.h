#pragma once
// The program's message boxes: a text, no icon, and the program's title as
// caption; a message has an OK button only, a question Yes and No.

#include <QString>

class QWidget;

// The caption of every message box the program shows.
QString MessageBoxCaption();

// Shows `text` modally over `parent` and returns once the user has closed it.
void SubShowMessage(QWidget* parent, const QString& text);

// The same box with Yes (the default) and No instead of OK: whether the user
// answered Yes.
bool FncAskYesNo(QWidget* parent, const QString& text);
