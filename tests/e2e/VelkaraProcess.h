#pragma once
// Runs the built program as a user would and observes it only from outside:
// a copy of the program file in a temporary folder of its own (it looks for
// its settings beside its real file, so a symbolic link would not do),
// started without arguments.

#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <vector>

namespace e2e {

// Upper bound for the program to settle or end; only a hang hits it. It is
// generous because the sanitizer build starts several times slower.
inline constexpr int kSettleLimitMs = 30000;

// A temporary program folder holding a copy of the built program.
class ProgramFolder {
public:
    ProgramFolder();
    bool isValid() const { return valid_; }
    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }
    QString programPath() const { return filePath(QStringLiteral("velkara")); }
    void writeFile(const QString& name, const QByteArray& content) const;

private:
    QTemporaryDir dir_;
    bool valid_ = false;
};

// Settings files (*.ini) of a folder that are opened, as inotify reports them.
class OpenedFilesWatch {
public:
    explicit OpenedFilesWatch(const QString& folder);
    ~OpenedFilesWatch();
    OpenedFilesWatch(const OpenedFilesWatch&) = delete;
    OpenedFilesWatch& operator=(const OpenedFilesWatch&) = delete;
    bool isValid() const { return fd_ >= 0 && watch_ >= 0; }
    // Names opened since the last call, sorted, without repeats.
    QStringList takeOpenedIniFiles();

private:
    int fd_ = -1;
    int watch_ = -1;
};

// Waits until the copy has finished start-up: it holds the one-copy rule's
// listening socket and its user-interface thread waits for events. False
// when the process ended (or never settled).
bool waitUntilSettled(QProcess& process);
// True while the process is alive and holds a listening local socket.
bool holdsListeningSocket(qint64 pid);
// Local sockets named after the program that someone listens on.
QStringList foreignProgramSockets();
// Ends a process with SIGKILL and reaps it.
void killHard(QProcess& process);
// True when somebody has the FIFO at `path` open for reading.
bool fifoHasReader(const QString& path);

// The one-copy rule is per user, so these tests run alone and refuse to run
// while a copy outside the tests is up. Every copy started is killed at the
// end, so a failing test leaves nothing behind.
class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        const QStringList others = foreignProgramSockets();
        ASSERT_TRUE(others.isEmpty()) << "another copy of the program is running for this user ("
                                      << others.join(' ').toStdString() << "); close it first";
    }
    void TearDown() override { killAll(); }

    // Starts the program file `program` (no arguments, the test's environment).
    QProcess& start(const QString& program);
    void killAll();

private:
    std::vector<std::unique_ptr<QProcess>> processes_;
};

}  // namespace e2e
