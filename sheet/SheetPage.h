#pragma once
// What one page of the mounting sheet shows, as plain data the caller has
// already resolved and worded in the run's language: the sheet draws it and
// decides nothing about entries, lists or results.

#include <QString>
#include <utility>
#include <vector>

// The mounting as the drawing and the marking strip need it, in millimetres.
struct SheetGeometry {
    double outerDiameterMm = 0;
    double wallMm = 0;
    double liningMm = 0;  // 0: no lining
    // The spacing as the result shows it (truncated, in whole rail steps for
    // a rail sensor), so that the strip marks the number printed beside it.
    double spacingMm = 0;
    int traverses = 2;     // Z 1, V 2, N 3, W 4
    bool sameSide = true;  // V and W put both sensors on one side
};

struct SheetPage {
    QString title;  // the measuring point's tag, or a general heading
    // Caption and value with its unit, in the order the calculation read them.
    std::vector<std::pair<QString, QString>> entries;
    QString resultCaption;
    QString resultText;  // the spacing as the result field shows it
    QString stepsCaption;
    QString stepsText;  // the rail steps; empty for the other sensors
    SheetGeometry geometry;
};

// A row of a list that got no sheet, and why.
struct RefusedRow {
    QString tag;
    QString message;
};
