#include "window/ComparisonDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "rules/UnitTexts.h"

namespace {

using enum TextId;

bool Mountable(const SpacingRun& cell) {
    return cell.outcome == SpacingRun::Outcome::Shown;
}

}  // namespace

ComparisonDialog::ComparisonDialog(const StartupValues& startup,
                                   const SpacingComparison& comparison, ComparisonPick start,
                                   QWidget* parent)
    : QDialog(parent),
      startup_(startup),
      comparison_(comparison),
      texts_(FncComparisonTexts(comparison, startup.language, startup.format)) {
    setObjectName(QStringLiteral("ComparisonDialog"));
    setWindowTitle(startup_.Text(CompareTitle));
    QFont font(startup_.CaptionFontName);
    font.setPointSizeF(12);
    setFont(font);
    BuildTable();
    const bool inTable = start.sensorRow >= 0 && start.sensorRow < comparison_.sensorCount &&
                         start.methodPosition >= 0 &&
                         start.methodPosition < comparison_.methodCount;
    if (!inTable) start = {};
    table_->setCurrentCell(start.sensorRow, kSensorColumns + start.methodPosition);
    ShowChosenCell();
    table_->setFocus(Qt::OtherFocusReason);
}

void ComparisonDialog::BuildTable() {
    const int columns = int(texts_.heads.size());
    table_ = new QTableWidget(comparison_.sensorCount, columns, this);
    table_->setObjectName(QStringLiteral("cells"));
    table_->setAccessibleName(startup_.Text(CompareTitle));
    table_->setHorizontalHeaderLabels(texts_.heads);
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setSelectionBehavior(QAbstractItemView::SelectItems);
    table_->setTabKeyNavigation(false);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->horizontalHeader()->setSectionsClickable(false);
    const QBrush text = table_->palette().text();
    for (int row = 0; row < comparison_.sensorCount; ++row) {
        for (int column = 0; column < columns; ++column) {
            auto* item = new QTableWidgetItem(texts_.rows[std::size_t(row)][column]);
            if (column < kSensorColumns) {
                // What describes a sensor is read, not chosen: the arrow keys
                // pass it by. Disabled, it keeps the text's colour.
                item->setFlags(Qt::NoItemFlags);
                item->setForeground(text);
            } else {
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                const SpacingRun& cell = comparison_.Cell(row, column - kSensorColumns);
                if (!Mountable(cell))
                    item->setToolTip(FncReasonText(cell.reason, startup_.language));
            }
            table_->setItem(row, column, item);
        }
    }
    // Every cell in sight, with a letter's room between texts; the methods'
    // columns alike.
    table_->resizeColumnsToContents();
    const int room = table_->fontMetrics().horizontalAdvance(QLatin1Char('M'));
    int methodWidth = 0;
    for (int column = kSensorColumns; column < columns; ++column)
        methodWidth = std::max(methodWidth, table_->columnWidth(column));
    int width = 2 * table_->frameWidth();
    for (int column = 0; column < columns; ++column) {
        table_->setColumnWidth(
            column, room + (column < kSensorColumns ? table_->columnWidth(column) : methodWidth));
        width += table_->columnWidth(column);
    }
    table_->resizeRowsToContents();
    int height = 2 * table_->frameWidth() + table_->horizontalHeader()->sizeHint().height();
    for (int row = 0; row < comparison_.sensorCount; ++row) height += table_->rowHeight(row);
    table_->setFixedSize(width, height);

    auto* caption = new QLabel(texts_.caption, this);
    caption->setObjectName(QStringLiteral("caption"));
    chosen_ = new QLabel(this);
    chosen_->setObjectName(QStringLiteral("chosen"));
    // Room for a reason of two lines, so the dialog keeps its size.
    chosen_->setWordWrap(true);
    chosen_->setFixedHeight(2 * chosen_->fontMetrics().lineSpacing());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setText(startup_.Text(DialogOk));
    buttons->button(QDialogButtonBox::Cancel)->setText(startup_.Text(DialogCancel));
    // Enter in the table takes the cell, when OK can.
    ok_->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(table_);
    layout->addWidget(chosen_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(table_, &QTableWidget::currentCellChanged, this, &ComparisonDialog::ShowChosenCell);
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this] {
        if (ChosenCanBeMounted()) accept();
    });
}

void ComparisonDialog::ShowChosenCell() {
    const ComparisonPick pick = Pick();
    const SpacingRun& cell = comparison_.Cell(pick.sensorRow, pick.methodPosition);
    QString shown = FncReasonText(cell.reason, startup_.language);
    if (Mountable(cell)) shown = FncComparisonCellWithUnit(cell, startup_.format.units);
    chosen_->setText(texts_.rows[std::size_t(pick.sensorRow)][0] + QStringLiteral("  ") +
                     texts_.heads[kSensorColumns + pick.methodPosition] + QStringLiteral(":  ") +
                     shown);
    ok_->setEnabled(Mountable(cell));
}

bool ComparisonDialog::ChosenCanBeMounted() const {
    const ComparisonPick pick = Pick();
    return Mountable(comparison_.Cell(pick.sensorRow, pick.methodPosition));
}

ComparisonPick ComparisonDialog::Pick() const {
    return {std::max(table_->currentRow(), 0),
            std::max(table_->currentColumn() - kSensorColumns, 0)};
}
