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

void ListTableModel::SetTable(std::shared_ptr<const ListTable> table) {
    beginResetModel();
    table_ = std::move(table);
    endResetModel();
}

int ListTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !table_ ? 0 : int(table_->Size());
}

int ListTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || !table_ ? 0 : int(table_->Fields().size()) + 2;
}

QString ListTableModel::Label(std::size_t row) const {
    if (table_->Tagged() && !table_->Tag(row).empty()) return Utf8(table_->Tag(row));
    return QString::number(table_->Line(row));
}

QVariant ListTableModel::data(const QModelIndex& index, int role) const {
    if (!table_ || !index.isValid()) return {};
    const auto row = std::size_t(index.row());
    const auto column = std::size_t(index.column());
    const bool result = column == table_->Fields().size() + 1;
    const bool refused = table_->Refused(row);
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            if (column == 0) return Label(row);
            if (!result) return Utf8(table_->Value(row, column - 1));
            // The word as well as the icon: a refused row is told apart without
            // its colour, also by a screen reader.
            if (refused)
                return startup_.Text(TextId::ListRefusedMark) + QStringLiteral(": ") +
                       Utf8(table_->Shown(row));
            return Utf8(table_->Shown(row));
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
    if (!table_ || role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    const auto column = std::size_t(section);
    if (column == 0)
        return startup_.Text(table_->Tagged() ? TextId::SheetRefusedTag : TextId::ListLineColumn);
    if (column <= table_->Fields().size())
        return startup_.Text(GivenFields()[table_->Fields()[column - 1]].captionTextId);
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
