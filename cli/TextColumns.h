#pragma once
// Text laid out in columns for a terminal, where East Asian wide characters
// take two columns.

#include <QString>

// The columns `text` takes.
int DisplayWidth(const QString& text);

// `text` with blanks added up to `width` columns: after it, or before it for
// a number aligned right.
QString PaddedTo(const QString& text, int width, bool alignRight = false);
