#pragma once
// Helpers for running the built program as a user would: a copy of the program
// file in a temporary program folder of its own (the program looks for its
// settings beside its real file, so a symbolic link would not do), started
// without arguments, observed only from outside.

#include <QByteArray>
#include <QProcess>
#include <QString>
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
    QString programPath() const;
    QString filePath(const QString& name) const;
    // Writes `content` to the file `name` in the folder.
    void writeFile(const QString& name, const QByteArray& content) const;

private:
    QTemporaryDir dir_;
    bool valid_ = false;
};

// Files of a folder that are opened, as the kernel reports them (inotify).
class OpenedFilesWatch {
public:
    explicit OpenedFilesWatch(const QString& folder);
    ~OpenedFilesWatch();
    OpenedFilesWatch(const OpenedFilesWatch&) = delete;
    OpenedFilesWatch& operator=(const OpenedFilesWatch&) = delete;
    bool isValid() const { return fd_ >= 0 && watch_ >= 0; }
    // Names of the plain files opened since the last call (or the start),
    // limited to settings files (*.ini), sorted, without repeats.
    QStringList takeOpenedIniFiles();

private:
    int fd_ = -1;
    int watch_ = -1;
};

// Started copies of the program; every one still running is killed on
// destruction, so a failing test leaves nothing behind.
class Runner {
public:
    ~Runner();
    // Starts the program file `program` (no arguments, the test's environment).
    QProcess& start(const QString& program);
    void killAll();

private:
    std::vector<std::unique_ptr<QProcess>> processes_;
};

// Waits until the copy has finished start-up: it holds the one-copy rule's
// listening socket and its user-interface thread waits for events. False
// when the process ended (or never settled).
bool waitUntilSettled(QProcess& process);

// True while the process is alive and holds a listening local socket.
bool holdsListeningSocket(qint64 pid);

// Local sockets named after the program that someone is listening on (for a
// clear message when a copy outside the tests is running).
QStringList foreignProgramSockets();

// Ends a process with SIGKILL and reaps it.
void killHard(QProcess& process);

// True when somebody has the FIFO at `path` open for reading.
bool fifoHasReader(const QString& path);

}  // namespace e2e
