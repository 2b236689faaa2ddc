#include "window/MessageBox.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

QString MessageBoxCaption() {
    return QStringLiteral("Velkara");
}

void SubShowMessage(QWidget* parent, const QString& text) {
    const QPointer<QWidget> owner(parent);
    // Held by a guarded pointer, not on the stack: should the parent go while
    // the box is open, it takes the box with it.
    QPointer<QMessageBox> box =
        new QMessageBox(QMessageBox::NoIcon, MessageBoxCaption(), text, QMessageBox::Ok, parent);
    // Descriptions and texts are shown as written; nothing in them is markup.
    box->setTextFormat(Qt::PlainText);
    box->exec();
    delete box;
    // Not every platform hands the activation back to the window the box
    // stood over; the user goes on working there.
    if (owner && owner->window()->isVisible()) owner->window()->activateWindow();
}
