#pragma once
// What every sheet of a run shares: the paper and ruler of its unit system,
// its number format and font, when and by what it was made, and the sheet's
// own fixed texts in its language.

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <cstdint>

#include "settings/NumberFormat.h"

// The fixed texts of the sheet. "%1" stands for the number or name put in.
struct SheetTexts {
    QString heading;         // above the title of every sheet
    QString continued;       // after the title on a page that only continues strips
    QString entriesHeading;  // above the table of entries
    QString drawingHeading;  // above the drawing of the mounting
    QString sameSide;        // the drawing's note for sensors on one side
    QString oppositeSide;    // ... on opposite sides; %1 the distance around the pipe
    QString stripHeading;    // above the marking strips
    QString printNote;       // how to print so the strip keeps its scale
    QString checkBar;        // beside the bar that proves the scale; %1 its length
    QString stripUsage;      // how to mark the pipe with the strips
    QString firstSensor;     // the strip's mark for the first sensor
    QString secondSensor;    // ... for the second sensor
    QString join;            // a numbered mark where two strips meet; %1 its number
    QString refusedHeading;  // above the rows of a list that got no sheet
    QString refusedTag;      // column captions of those rows
    QString refusedMessage;
};

struct SheetStyle {
    // Metric: A4 and a millimetre ruler; inch: US Letter and an inch ruler. The
    // locale writes the lengths the sheet works out itself.
    NumberFormat format;
    QString fontFamily;   // the window's caption font ("ＭＳ ゴシック", "Arial")
    QDateTime made;       // printed on every page as given, so a run renders the same
    QString programLine;  // "Velkara 1.1.0"
    SheetTexts texts;
};
