#include "window/MessageBox.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

QString MessageBoxCaption() {
    return QStringLiteral("Velkara");
}

namespace {

// The button the user closed the box with; NoButton when the box went with
// its parent.
QMessageBox::StandardButton ShowBox(QWidget* parent, const QString& text,
                                    QMessageBox::StandardButtons buttons) {
    const QPointer<QWidget> owner(parent);
    // Held by a guarded pointer, not on the stack: should the parent go while
    // the box is open, it takes the box with it.
    QPointer<QMessageBox> box =
        new QMessageBox(QMessageBox::NoIcon, MessageBoxCaption(), text, buttons, parent);
    // Descriptions and texts are shown as written; nothing in them is markup.
    box->setTextFormat(Qt::PlainText);
    const auto answer = QMessageBox::StandardButton(box->exec());
    const bool closed = box != nullptr;
    delete box;
    // Not every platform hands the activation back to the window the box
    // stood over; the user goes on working there.
    if (owner && owner->window()->isVisible()) owner->window()->activateWindow();
    return closed ? answer : QMessageBox::NoButton;
}

}  // namespace

void SubShowMessage(QWidget* parent, const QString& text) {
    ShowBox(parent, text, QMessageBox::Ok);
}

bool FncAskYesNo(QWidget* parent, const QString& text) {
    return ShowBox(parent, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}
