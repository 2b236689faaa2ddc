#pragma once
// Answers every modal box the program shows during a test and records it.
// Polls on a timer, so it also runs inside the box's own event loop; a box
// is answered with OK (or rejected), so a test never hangs on one.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <functional>

struct ShownMessageBox {
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    int buttonCount = 0;  // 0 also for a modal window that is no message box
};

// The program's one kind of box: OK only, no icon, the program's title.
inline bool IsPlainOkBox(const ShownMessageBox& box) {
    return box.title == "Velkara" && box.icon == QMessageBox::NoIcon &&
           box.buttons == QMessageBox::Ok && box.buttonCount == 1;
}

class MessageBoxWatchdog : public QObject {
public:
    MessageBoxWatchdog() {
        connect(&timer_, &QTimer::timeout, this, &MessageBoxWatchdog::Poll);
        timer_.start(2);
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
        QPointer<QWidget> modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        auto* box = qobject_cast<QMessageBox*>(modal);
        shown_.push_back({box ? box->text() : QString(), modal->windowTitle(),
                          box ? box->icon() : QMessageBox::NoIcon,
                          box ? box->standardButtons() : QMessageBox::NoButton,
                          box ? static_cast<int>(box->buttons().size()) : 0});
        if (probe_) probe_(*modal);
        if (!modal) return;  // the probe closed it
        if (box && box->button(QMessageBox::Ok)) {
            box->button(QMessageBox::Ok)->click();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal.data())) {
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
