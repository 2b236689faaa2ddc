#pragma once
// The list window's table on a ListDocument: the row's tag (or its line), its
// input columns as read, and the spacing or the refused row's message, which
// carries a warning icon and the word for refused. A refused-rows filter
// shows those alone. Only the rows in sight are asked for their texts.

#include <QAbstractTableModel>
#include <QIcon>
#include <QSortFilterProxyModel>
#include <memory>

#include "settings/ModCommonProc.h"
#include "window/ListDocument.h"

class ListTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ListTableModel(const StartupValues& startup, QObject* parent = nullptr);

    void SetList(std::shared_ptr<const ListDocument> list);
    // Whether a row is refused, as Qt::UserRole.
    static constexpr int kRefusedRole = Qt::UserRole;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const StartupValues startup_;
    std::shared_ptr<const ListDocument> list_;
    QIcon refusedIcon_;
};

// Every row, or the refused ones alone.
class RefusedRowsFilter : public QSortFilterProxyModel {
    Q_OBJECT

public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void SetRefusedOnly(bool refusedOnly);

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

private:
    bool refusedOnly_ = false;
};
