#pragma once
// The sheet's fixed texts and style in the language and units of a run, from
// the text table: the window and the command-line tool take them from here.

#include <QDateTime>

#include "settings/ModCommonProc.h"
#include "sheet/SheetStyle.h"

SheetTexts FncSheetTexts(Language language);

// Every sheet of a run made at `made`: the run's number format, the window's
// caption font and the program's name and version.
SheetStyle FncSheetStyle(const StartupValues& startup, const QDateTime& made);
