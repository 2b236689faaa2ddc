#pragma once
// The fonts of the mounting sheet.

#include <QString>
#include <QStringList>

// The faces a sheet is written in: for the window's caption font, then the
// Japanese one for what that lacks (a Japanese tag on an English sheet).
// Each is the font itself where it is installed; otherwise the first
// installed stand-in whose text a PDF reader reads back as written; its own
// name (left to the platform's substitution) when there is none.
QStringList SheetFontFamilies(const QString& captionFont);
