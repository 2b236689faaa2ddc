#include "window/PipeSizeDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cmath>
#include <memory>

#include "rules/UnitTexts.h"
#include "window/ContextMenuEntries.h"

namespace {

using enum TextId;

constexpr int kPickRole = Qt::UserRole;

QString Text(std::string_view text) {
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

QTreeWidget* NewList(const QString& name, const QStringList& headers, QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(name);
    list->setColumnCount(int(headers.size()));
    list->setHeaderLabels(headers);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->header()->setSectionsMovable(false);
    list->header()->setStretchLastSection(false);
    return list;
}

// Makes `list` exactly as wide as its columns, each as wide as the widest
// of `rows` (all its texts, over every table) or its header.
void SizeColumns(QTreeWidget* list, const std::vector<QStringList>& rows) {
    const QFontMetrics metrics(list->font());
    // Room the style keeps around an item's text.
    const int padding =
        2 * list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) +
        metrics.horizontalAdvance(QLatin1Char('M'));
    int total = 0;
    for (int column = 0; column < list->columnCount(); ++column) {
        int width = list->header()->sectionSizeHint(column);
        for (const QStringList& row : rows) {
            width = std::max(width, metrics.horizontalAdvance(row.value(column)) + padding);
        }
        list->header()->resizeSection(column, width);
        total += width;
    }
    list->setMinimumWidth(total + 2 * list->frameWidth() +
                          list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list));
}

}  // namespace

PipeSizeDialog::PipeSizeDialog(const StartupValues& startup, std::optional<PipeSizePick> start,
                               QWidget* parent)
    : QDialog(parent), startup_(startup) {
    setObjectName(QStringLiteral("PipeSizeDialog"));
    setWindowTitle(startup_.Text(PipeSizeTitle));
    QFont font(startup_.CaptionFontName);
    font.setPointSizeF(12);
    setFont(font);
    BuildTables();
    const PipeSizePick first = start.value_or(PipeSizePick{});
    schedules_->setCurrentItem(schedules_->topLevelItem(int(first.schedule)));
    ShowSchedule(first.schedule, first.size);
    // The size is what is picked most: the keys start there.
    sizes_->setFocus(Qt::OtherFocusReason);
}

void PipeSizeDialog::BuildTables() {
    const QString length = FncUnitCaption(Quantity::Length, startup_.format.units);
    schedules_ = NewList(QStringLiteral("schedules"),
                         {startup_.Text(PipeSizeSchedule), startup_.Text(PipeSizeStandard)}, this);
    sizes_ = NewList(QStringLiteral("sizes"),
                     {startup_.Text(PipeSizeNominalSize),
                      Caption(InputId::OuterDiameter) + QLatin1Char(' ') + length,
                      Caption(InputId::WallThickness) + QLatin1Char(' ') + length},
                     this);
    sizes_->setAccessibleName(startup_.Text(PipeSizeNominalSize));
    schedules_->setAccessibleName(startup_.Text(PipeSizeSchedule));
    const std::span<const PipeSchedule> schedules = PipeSchedules();
    for (std::size_t i = 0; i < schedules.size(); ++i) {
        auto* item =
            new QTreeWidgetItem(schedules_, {Text(schedules[i].name), Text(schedules[i].standard)});
        item->setData(0, kPickRole, qulonglong(i));
    }
    SizeColumnsForEveryTable();
    // Every table in sight, and as many sizes, enough for most tables.
    const int height = schedules_->header()->sizeHint().height() +
                       schedules_->sizeHintForRow(0) * int(schedules.size()) +
                       2 * schedules_->frameWidth();
    schedules_->setMinimumHeight(height);
    sizes_->setMinimumHeight(height);

    chosen_ = new QLabel(this);
    chosen_->setObjectName(QStringLiteral("chosen"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(startup_.Text(DialogOk));
    buttons->button(QDialogButtonBox::Cancel)->setText(startup_.Text(DialogCancel));
    // Enter anywhere in the dialog accepts.
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);

    auto* lists = new QHBoxLayout;
    lists->addWidget(schedules_);
    lists->addWidget(sizes_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addWidget(chosen_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(schedules_, sizes_);
    setTabOrder(sizes_, buttons->button(QDialogButtonBox::Ok));

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(schedules_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item) ShowSchedule(item->data(0, kPickRole).toULongLong(), std::nullopt);
    });
    connect(sizes_, &QTreeWidget::currentItemChanged, this, &PipeSizeDialog::ShowChosenRow);
    connect(sizes_, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
}

// The lists keep their widths whichever table is shown.
void PipeSizeDialog::SizeColumnsForEveryTable() {
    std::vector<QStringList> scheduleRows, sizeRows;
    for (const PipeSchedule& schedule : PipeSchedules()) {
        scheduleRows.push_back({Text(schedule.name), Text(schedule.standard)});
        for (const PipeSize& size : schedule.sizes) {
            const PipeSizeTexts texts = FncPipeSizeTexts(size, startup_.format);
            sizeRows.push_back({Text(size.name), texts.outerDiameter, texts.wall});
        }
    }
    SizeColumns(schedules_, scheduleRows);
    SizeColumns(sizes_, sizeRows);
}

void PipeSizeDialog::ShowSchedule(std::size_t schedule, std::optional<std::size_t> size) {
    const PipeSchedule& shown = PipeSchedules()[schedule];
    if (!size && sizes_->currentItem()) {
        // The size chosen in the table shown so far, or the nearest.
        const PipeSize& before = SizeOf({shownSchedule_, Pick().size});
        size = FncFindPipeSize(shown, Text(before.name));
        if (!size) {
            const auto gap = [&](std::size_t i) {
                return std::abs(shown.sizes[i].outerDiameterMm - before.outerDiameterMm);
            };
            size = 0;
            for (std::size_t i = 1; i < shown.sizes.size(); ++i) {
                if (gap(i) < gap(*size)) size = i;
            }
        }
    }
    shownSchedule_ = schedule;
    const QSignalBlocker quiet(sizes_);
    sizes_->clear();
    for (std::size_t i = 0; i < shown.sizes.size(); ++i) {
        const PipeSizeTexts texts = FncPipeSizeTexts(shown.sizes[i], startup_.format);
        auto* item = new QTreeWidgetItem(
            sizes_, {Text(shown.sizes[i].name), texts.outerDiameter, texts.wall});
        item->setData(0, kPickRole, qulonglong(i));
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    }
    QTreeWidgetItem* current =
        sizes_->topLevelItem(int(std::min(size.value_or(0), shown.sizes.size() - 1)));
    sizes_->setCurrentItem(current);
    sizes_->scrollToItem(current, QAbstractItemView::PositionAtCenter);
    ShowChosenRow();
}

void PipeSizeDialog::ShowChosenRow() {
    const PipeSizePick pick = Pick();
    const PipeSizeTexts texts = FncPipeSizeTexts(SizeOf(pick), startup_.format);
    const auto length = [this](const QString& number) {
        return FncWithUnit(number, Quantity::Length, startup_.format.units);
    };
    chosen_->setText(Text(ScheduleOf(pick).name) + QLatin1Char(' ') + Text(SizeOf(pick).name) +
                     QStringLiteral(":  ") + Caption(InputId::OuterDiameter) + QLatin1Char(' ') +
                     length(texts.outerDiameter) + QStringLiteral("  ") +
                     Caption(InputId::WallThickness) + QLatin1Char(' ') + length(texts.wall));
}

QString PipeSizeDialog::Caption(InputId input) const {
    return startup_.Text(Describe(input).captionTextId);
}

PipeSizePick PipeSizeDialog::Pick() const {
    const QTreeWidgetItem* size = sizes_->currentItem();
    return {shownSchedule_, size ? std::size_t(size->data(0, kPickRole).toULongLong()) : 0};
}

void OfferPipeSizeTable(QLineEdit* field, const QString& entryText, std::function<void()> open) {
    AddContextMenuEntry(field, entryText, open);
    AddDropDownKeys(field, open);
}

void TypeIntoField(QLineEdit* field, const QString& text) {
    field->selectAll();
    field->insert(text);
}
