#pragma once
// Answers and records every modal box shown during a test. It polls on a timer,
// so it runs inside the box's own event loop and a test never hangs on a box.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <functional>

class MessageBoxWatchdog : public QObject {
public:
    MessageBoxWatchdog() { startTimer(2); }
    // Any box but the program's one kind (OK only, no icon, caption "Velkara",
    // plain text) is recorded with a mark: comparing texts checks the kind too.
    const QStringList& Shown() const { return shown_; }
    std::function<void()> probe;  // runs while a box is open, before it is answered

private:
    void timerEvent(QTimerEvent*) override {
        QPointer<QWidget> modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        auto* box = qobject_cast<QMessageBox*>(modal);
        const bool plainOk = box && modal->windowTitle() == "Velkara" &&
                             box->icon() == QMessageBox::NoIcon &&
                             box->textFormat() == Qt::PlainText && box->buttons().size() == 1 &&
                             box->standardButtons() == QMessageBox::Ok;
        shown_ << (plainOk ? QString() : QStringLiteral("[other box] ")) + (box ? box->text() : "");
        if (probe) probe();
        if (!modal) return;  // the probe closed it
        auto* ok = box ? box->button(QMessageBox::Ok) : nullptr;
        ok ? ok->click() : void(modal->close());  // a dialog's close rejects it
    }

    QStringList shown_;
};
