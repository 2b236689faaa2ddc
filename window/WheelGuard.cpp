#include "window/WheelGuard.h"

#include <QEvent>
#include <QWidget>

WheelGuard::WheelGuard(QObject* parent) : QObject(parent) {}

void WheelGuard::Guard(QObject* widget) {
    widget->installEventFilter(this);
}

bool WheelGuard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel) return QObject::eventFilter(watched, event);
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (widget == nullptr || widget->hasFocus()) return false;
    // Not accepted, so the turn still goes on to the containers (a scrolled
    // area would scroll); the list itself never sees it.
    event->ignore();
    return true;
}
