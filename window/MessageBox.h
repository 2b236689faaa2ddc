#pragma once
// The program's one kind of message box: a text, an OK button only, no icon,
// and the program's title as caption.

#include <QString>

class QWidget;

// The caption of every message box the program shows.
QString MessageBoxCaption();

// Shows `text` modally over `parent` and returns once the user has closed it.
void SubShowMessage(QWidget* parent, const QString& text);
