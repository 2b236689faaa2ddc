#include "window/DialogLook.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

QFont WindowFont(const StartupValues& startup, double points, bool bold) {
    QFont font(startup.CaptionFontName);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void SetUpDialog(QDialog* dialog, const StartupValues& startup, const QString& objectName,
                 TextId title) {
    dialog->setObjectName(objectName);
    dialog->setWindowTitle(startup.Text(title));
    dialog->setFont(WindowFont(startup, 12));
}

QDialogButtonBox* NewOkCancelButtons(QDialog* dialog, const StartupValues& startup) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(startup.Text(TextId::DialogOk));
    buttons->button(QDialogButtonBox::Cancel)->setText(startup.Text(TextId::DialogCancel));
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}
