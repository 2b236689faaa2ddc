#pragma once
// Every sensor type with every mounting method on the window's entries, as a
// table of the spacings the result field would show. The user moves through
// the cells with the arrow keys and takes one that can be mounted with Enter
// or a double click; the window then selects that sensor and method.

#include <QDialog>

#include "rules/SpacingComparison.h"
#include "settings/ModCommonProc.h"

class QLabel;
class QPushButton;
class QTableWidget;

// A cell of the comparison: list positions of the sensor type and the method.
struct ComparisonPick {
    int sensorRow = 0;
    int methodPosition = 0;
};

class ComparisonDialog : public QDialog {
    Q_OBJECT

public:
    // Opens on the cell `start`, or on the first where `start` is no cell.
    ComparisonDialog(const StartupValues& startup, const SpacingComparison& comparison,
                     ComparisonPick start, QWidget* parent = nullptr);

    // The cell chosen.
    ComparisonPick Pick() const;

private:
    void FillTable();
    void FitTableToCells();
    // The caption above the table, the chosen cell's line and the buttons below.
    void LayOut();
    // The chosen cell's spacing with its unit, or why it cannot be mounted;
    // OK takes only a cell that can be mounted.
    void ShowChosenCell();
    bool ChosenCanBeMounted() const;

    const StartupValues startup_;
    const SpacingComparison comparison_;
    const ComparisonTexts texts_;
    QTableWidget* table_ = nullptr;
    QLabel* chosen_ = nullptr;
    QPushButton* ok_ = nullptr;
};
