#include "window/ListTableModel.h"

#include <QApplication>
#include <QColor>
#include <QStyle>

#include "rules/GivenValues.h"
#include "rules/UnitTexts.h"

namespace {

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace

ListTableModel::ListTableModel(const StartupValues& startup, QObject* parent)
    : QAbstractTableModel(parent),
      startup_(startup),
      refusedIcon_(QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning)) {}

void ListTableModel::SetList(std::shared_ptr<const ListDocument> list) {
    beginResetModel();
    list_ = std::move(list);
    endResetModel();
}

int ListTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !list_ ? 0 : int(list_->shown.size());
}

int ListTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || !list_ ? 0 : int(list_->inputColumns.size()) + 2;
}

QVariant ListTableModel::data(const QModelIndex& index, int role) const {
    if (!list_ || !index.isValid()) return {};
    const auto row = std::size_t(index.row());
    const auto column = std::size_t(index.column());
    const bool result = column == list_->inputColumns.size() + 1;
    const bool refused = list_->refused[row];
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole: {
            if (column == 0) {
                const QString tag = list_->Tag(row);
                return tag.isEmpty() ? QString::number(list_->table.records[row].line) : tag;
            }
            if (!result) {
                const auto& fields = list_->table.records[row].fields;
                const std::size_t at = list_->inputColumns[column - 1];
                return at < fields.size() ? Utf8(fields[at]) : QString();
            }
            // The word as well as the icon: a refused row is told apart
            // without its colour, by a screen reader too.
            const QString shown = Utf8(list_->shown[row]);
            return refused ? startup_.Text(TextId::ListRefusedMark) + QStringLiteral(": ") + shown
                           : shown;
        }
        case Qt::DecorationRole:
            return result && refused ? QVariant(refusedIcon_) : QVariant();
        case Qt::ForegroundRole:
            return result && refused ? QVariant(QColor(Qt::darkRed)) : QVariant();
        case Qt::TextAlignmentRole:
            return result && !refused ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
        case kRefusedRole:
            return refused;
        default:
            return {};
    }
}

QVariant ListTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (!list_ || role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    const auto column = std::size_t(section);
    const ListColumns& columns = list_->table.columns;
    if (column == 0)
        return startup_.Text(columns.tag != kNoColumn ? TextId::SheetRefusedTag
                                                      : TextId::ListLineColumn);
    if (column <= list_->inputColumns.size()) {
        const auto field =
            std::find(columns.of.begin(), columns.of.end(), list_->inputColumns[column - 1]) -
            columns.of.begin();
        return startup_.Text(GivenFields()[std::size_t(field)].captionTextId);
    }
    return startup_.Text(TextId::CaptionSensorSpacing) + u' ' +
           FncUnitCaption(Quantity::Length, startup_.format.units);
}

void RefusedRowsFilter::SetRefusedOnly(bool refusedOnly) {
    refusedOnly_ = refusedOnly;
    invalidateRowsFilter();
}

bool RefusedRowsFilter::filterAcceptsRow(int row, const QModelIndex& parent) const {
    return !refusedOnly_ ||
           sourceModel()->index(row, 0, parent).data(ListTableModel::kRefusedRole).toBool();
}
