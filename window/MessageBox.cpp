#include "window/MessageBox.h"

#include <QMessageBox>

QString MessageBoxCaption() {
    return QStringLiteral("Velkara");
}

void SubShowMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, MessageBoxCaption(), text, QMessageBox::Ok, parent);
    // Descriptions and texts are shown as written; nothing in them is markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
