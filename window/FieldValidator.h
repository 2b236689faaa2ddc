#pragma once
// Checks text fields when the keyboard focus leaves them for another control
// of the same window. A refused text is selected whole, a message box says
// why, and the focus goes back into the field with its text unchanged.
//
// Only a real move inside the window counts: the window losing focus to
// another window, a popup or its own closing is not leaving the field, and
// the message box of a refusal never triggers a second check. When the move
// was made by a mouse press (or wheel) on another control, that press is not
// delivered: a refused move must not also click a button or open a list.

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QLineEdit;
class QWidget;

class FieldValidator : public QObject {
    Q_OBJECT

public:
    // Judges a field's text: nothing when it is accepted, otherwise the
    // message to show.
    using Rule = std::function<std::optional<QString>(const QString& text)>;

    // Watches fields of `window`; the validator is a child of the window.
    explicit FieldValidator(QWidget* window);
    ~FieldValidator() override;

    void Watch(QLineEdit* field, Rule rule);

    // Refuses a field the way leaving it does (text selected, the message,
    // the focus back in the field), for a check that the program runs itself.
    void RefuseField(QLineEdit* field, const QString& message);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct WatchedField {
        QPointer<QLineEdit> field;
        Rule rule;
    };

    void OnFocusChanged(QWidget* old, QWidget* now);
    void Refuse(QLineEdit* field, const QString& message, bool movedByMouse);
    const WatchedField* Find(const QWidget* widget) const;
    void HoldBackTriggeringPress();
    void ReleaseTriggeringPress();
    bool IsInputOfTriggeringPress(QObject* watched, const QEvent* event) const;

    QPointer<QWidget> window_;
    std::vector<WatchedField> fields_;
    // Why the most recent watched field lost the focus; cleared once used.
    const QWidget* lastFocusOutField_ = nullptr;
    int lastFocusOutReason_ = -1;
    bool refusing_ = false;
    bool holdingBackPress_ = false;
};
