#include "window/FieldValidator.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>
#include <exception>

#include "window/MessageBox.h"

FieldValidator::FieldValidator(QWidget* window) : QObject(window), window_(window) {
    connect(qApp, &QApplication::focusChanged, this, &FieldValidator::OnFocusChanged);
}

FieldValidator::~FieldValidator() {
    if (holdingBackPress_) qApp->removeEventFilter(this);
}

void FieldValidator::Watch(QLineEdit* field, Rule rule) {
    field->installEventFilter(this);
    fields_.push_back({field, std::move(rule)});
}

const FieldValidator::WatchedField* FieldValidator::Find(const QWidget* widget) const {
    if (!widget) return nullptr;
    for (const auto& watched : fields_) {
        if (watched.field == widget) return &watched;
    }
    return nullptr;
}

bool FieldValidator::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && watched->isWidgetType() &&
        Find(static_cast<QWidget*>(watched))) {
        lastFocusOutField_ = static_cast<QWidget*>(watched);
        lastFocusOutReason_ = static_cast<QFocusEvent*>(event)->reason();
        return false;
    }
    if (holdingBackPress_ && IsInputOfTriggeringPress(watched, event)) {
        event->accept();
        return true;
    }
    return false;
}

void FieldValidator::OnFocusChanged(QWidget* old, QWidget* now) {
    // The check's own message box and the focus coming back from it must not
    // check anything again.
    if (refusing_) return;
    const WatchedField* watched = Find(old);
    if (!watched || !watched->rule) return;

    int reason = -1;
    if (lastFocusOutField_ == old) reason = lastFocusOutReason_;
    lastFocusOutField_ = nullptr;
    lastFocusOutReason_ = -1;

    // Focus going to another window, to a popup or nowhere (the window being
    // deactivated or closed) is not the user leaving the field.
    if (!now || now->window() != old->window()) return;
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return;

    QLineEdit* field = watched->field;
    std::optional<QString> message;
    try {
        message = watched->rule(field->text());
    } catch (const std::exception& failure) {
        // A rule that breaks must not end the program from inside a focus
        // change; holding the field and saying why is the safe side.
        message = QString::fromLocal8Bit(failure.what());
    }
    if (!message) return;
    Refuse(field, *message, reason == Qt::MouseFocusReason);
}

void FieldValidator::RefuseField(QLineEdit* field, const QString& message) {
    if (refusing_) return;
    Refuse(field, message, false);
}

void FieldValidator::Refuse(QLineEdit* field, const QString& message, bool movedByMouse) {
    QPointer<FieldValidator> self(this);
    QPointer<QLineEdit> guardedField(field);
    refusing_ = true;

    field->selectAll();
    SubShowMessage(field->window(), message);

    // The window or the validator may have gone while the box was open.
    if (!self) return;
    if (guardedField && guardedField->window()->isVisible()) {
        guardedField->setFocus(Qt::OtherFocusReason);
        guardedField->selectAll();
    }
    refusing_ = false;

    // A press that moved the focus is delivered to its control only after
    // this check returns; hold it back so the refusal stays the press's only
    // effect. It is the rest of the current event, so the hold ends with it.
    if (movedByMouse) HoldBackTriggeringPress();
}

void FieldValidator::HoldBackTriggeringPress() {
    if (holdingBackPress_) return;
    holdingBackPress_ = true;
    qApp->installEventFilter(this);
    QTimer::singleShot(0, this, &FieldValidator::ReleaseTriggeringPress);
}

void FieldValidator::ReleaseTriggeringPress() {
    if (!holdingBackPress_) return;
    holdingBackPress_ = false;
    qApp->removeEventFilter(this);
}

bool FieldValidator::IsInputOfTriggeringPress(QObject* watched, const QEvent* event) const {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
            break;
        default:
            return false;
    }
    if (!watched->isWidgetType() || !window_) return false;
    return static_cast<QWidget*>(watched)->window() == window_;
}
