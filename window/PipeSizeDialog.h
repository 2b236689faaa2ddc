#pragma once
// The pipe size tables of the standards, offered from the outer-diameter
// field: the user picks a table and a size and sees its outer diameter and
// wall in the run's units; the window then takes both numbers.

#include <QDialog>
#include <QString>
#include <cstddef>
#include <functional>
#include <optional>

#include "rules/InputDescriptors.h"
#include "rules/PipeSizes.h"
#include "settings/ModCommonProc.h"

class QLabel;
class QLineEdit;
class QTreeWidget;

class PipeSizeDialog : public QDialog {
    Q_OBJECT

public:
    // Opens on `start`, or on the first size of the first table.
    PipeSizeDialog(const StartupValues& startup, std::optional<PipeSizePick> start,
                   QWidget* parent = nullptr);

    // The row chosen.
    PipeSizePick Pick() const;

private:
    void BuildTables();
    void SizeColumnsForEveryTable();
    // Fills the sizes of `schedule`, keeping the chosen size where the new
    // table has it, else the one nearest in outer diameter.
    void ShowSchedule(std::size_t schedule, std::optional<std::size_t> size);
    void ShowChosenRow();
    // The window's caption of an input, which the dialog fills.
    QString Caption(InputId input) const;

    const StartupValues startup_;
    QTreeWidget* schedules_ = nullptr;
    QTreeWidget* sizes_ = nullptr;
    QLabel* chosen_ = nullptr;
    std::size_t shownSchedule_ = 0;
};

// Offers the tables from `field`: `entryText` heads its context menu, and
// Alt+Down or F4 in the field does the same; both call `open`.
void OfferPipeSizeTable(QLineEdit* field, const QString& entryText, std::function<void()> open);
