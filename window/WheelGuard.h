#pragma once
// Keeps the mouse wheel from changing a drop-down list the user is not
// working in.
//
// A list would otherwise step through its entries whenever the wheel turns
// over it, even while the keyboard focus is elsewhere: the choice changes
// silently, and since the focus never moves, the field the user just left is
// not validated either. A list that has the focus keeps the usual behaviour.

#include <QObject>

class QEvent;

class WheelGuard : public QObject {
    Q_OBJECT

public:
    explicit WheelGuard(QObject* parent = nullptr);

    // Guards `widget` until either of them is destroyed.
    void Guard(QObject* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
