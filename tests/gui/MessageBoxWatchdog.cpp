#include "MessageBoxWatchdog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QPointer>

MessageBoxWatchdog::MessageBoxWatchdog() {
    timer_.setInterval(2);
    connect(&timer_, &QTimer::timeout, this, &MessageBoxWatchdog::Poll);
    timer_.start();
}

MessageBoxWatchdog::~MessageBoxWatchdog() {
    timer_.stop();
}

QStringList MessageBoxWatchdog::Texts() const {
    QStringList texts;
    for (const auto& box : shown_) texts << box.text;
    return texts;
}

void MessageBoxWatchdog::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;

    ShownMessageBox seen;
    seen.title = modal->windowTitle();
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box) {
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        seen.buttonCount = static_cast<int>(box->buttons().size());
    } else {
        seen.isMessageBox = false;
    }
    shown_.push_back(seen);
    QPointer<QWidget> guard(modal);
    if (probe_) probe_(*modal);
    if (!guard) return;  // the probe closed it

    if (box && box->button(QMessageBox::Ok)) {
        box->button(QMessageBox::Ok)->click();
    } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
    } else {
        modal->close();
    }
}

void SettleEvents() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}
