#include "window/MessageBox.h"

#include <QMessageBox>
#include <QWidget>

QString MessageBoxCaption() {
    return QStringLiteral("Velkara");
}

void SubShowMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, MessageBoxCaption(), text, QMessageBox::Ok, parent);
    // Descriptions and texts are shown as written; nothing in them is markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
    // Not every platform hands the activation back to the window the box
    // stood over; the user goes on working there.
    if (parent && parent->window()->isVisible()) parent->window()->activateWindow();
}
