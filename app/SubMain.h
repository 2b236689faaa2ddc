#pragma once
// The program's entry point: the one-copy rule, the start-up values and the
// window.

#include <QCoreApplication>
#include <QPointer>
#include <QStringList>
#include <memory>

class QWidget;
class SingleInstance;

namespace ModCommonProc {

// What a started copy holds for its run: the one-copy name, and the window
// until the user closes it. Letting it go closes the window and frees the
// name for the next start.
class RunningCopy {
public:
    RunningCopy(std::unique_ptr<SingleInstance> oneCopy, QWidget* window);
    ~RunningCopy();
    RunningCopy(const RunningCopy&) = delete;
    RunningCopy& operator=(const RunningCopy&) = delete;

private:
    std::unique_ptr<SingleInstance> oneCopy_;
    // Deleted when the user closes it; the last window closed ends the program.
    QPointer<QWidget> window_;
};

// One-copy rule, settings, window. Returns nothing at once when another copy
// of the same user runs (after asking it to bring its window forward and to
// open the list the arguments name). A list the program's arguments name
// (`velkara plan.csv`) is opened once the event loop runs.
std::unique_ptr<RunningCopy> SubMain(const QStringList& arguments = QCoreApplication::arguments());

}  // namespace ModCommonProc
