#pragma once
// Answers every modal box that a test makes the program show, and records
// what it looked like. Polls on a timer, so it also runs inside the box's own
// event loop; a box is answered with OK (or rejected if it has none), so a
// test never hangs on a box it did not expect.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <vector>

struct ShownMessageBox {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    int buttonCount = 0;  // 0 also when some other modal window was shown
};

// The program's one kind of box: OK only, no icon, the program's title.
inline bool IsPlainOkBox(const ShownMessageBox& box) {
    return box.title == QStringLiteral("Velkara") && box.icon == QMessageBox::NoIcon &&
           box.buttons == QMessageBox::Ok && box.buttonCount == 1;
}

class MessageBoxWatchdog : public QObject {
public:
    MessageBoxWatchdog() {
        timer_.setInterval(2);
        connect(&timer_, &QTimer::timeout, this, &MessageBoxWatchdog::Poll);
        timer_.start();
    }

    const std::vector<ShownMessageBox>& Shown() const { return shown_; }
    QStringList Texts() const {
        QStringList texts;
        for (const auto& box : shown_) texts << box.text;
        return texts;
    }
    // Runs while a box is open, just before it is answered.
    void SetProbe(std::function<void(QWidget& box)> probe) { probe_ = std::move(probe); }

private:
    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        ShownMessageBox seen;
        seen.title = modal->windowTitle();
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box) {
            seen = {box->text(), seen.title, box->icon(), box->standardButtons(),
                    static_cast<int>(box->buttons().size())};
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

    QTimer timer_;
    std::vector<ShownMessageBox> shown_;
    std::function<void(QWidget&)> probe_;
};

// Lets queued events (window activation, deferred focus) run to the end.
inline void SettleEvents() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}
