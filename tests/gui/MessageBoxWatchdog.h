#pragma once
// Answers every modal box that a test makes the program show, and records
// what the box looked like. Polls on a timer, so it also runs inside the
// box's own event loop; a box is answered with OK (or rejected if it has
// none), so a test never hangs on a box it did not expect.

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <vector>

struct ShownMessageBox {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    int buttonCount = 0;
    bool isMessageBox = true;  // false: some other modal window
};

class MessageBoxWatchdog : public QObject {
public:
    MessageBoxWatchdog();
    ~MessageBoxWatchdog() override;

    const std::vector<ShownMessageBox>& Shown() const { return shown_; }
    QStringList Texts() const;
    void Clear() { shown_.clear(); }

    // Runs while a box is open, just before it is answered: lets a test look
    // at the window behind it.
    void SetProbe(std::function<void(QWidget& box)> probe) { probe_ = std::move(probe); }

private:
    void Poll();

    QTimer timer_;
    std::vector<ShownMessageBox> shown_;
    std::function<void(QWidget&)> probe_;
};

// Lets queued events (window activation, deferred focus) run to the end.
void SettleEvents();
