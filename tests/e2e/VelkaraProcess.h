#pragma once
// Runs the built program as a user would: a copy of the program file in a
// temporary folder of its own (it reads the settings beside its real file),
// started without arguments, observed from outside.
#include <gtest/gtest.h>
#include <sys/types.h>

#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <vector>

namespace e2e {

// Only a hang hits it; generous for the sanitizer build.
inline constexpr int kSettleLimitMs = 30000;

class ProgramFolder {
public:
    ProgramFolder();
    bool isValid() const { return valid_; }
    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }
    QString programPath() const { return filePath("velkara"); }
    void writeFile(const QString& name, const QByteArray& content) const;

private:
    QTemporaryDir dir_;
    bool valid_ = false;
};

// Settings files (*.ini) of a folder that get opened, as inotify reports them.
class OpenedFilesWatch {
public:
    explicit OpenedFilesWatch(const QString& folder);
    ~OpenedFilesWatch();
    bool isValid() const { return watch_ >= 0; }
    QStringList takeOpenedIniFiles();  // sorted, without repeats

private:
    int fd_ = -1, watch_ = -1;
};

// True once start-up is over and the user-interface thread waits for events;
// false when the process ended first.
bool waitUntilSettled(QProcess& process);
// Runs `job` in a forked child that first drops to `uid` (when root); the
// child makes system calls only, as the parent has threads. Its status is
// the job's result, 99 when it could not drop.
pid_t forkAs(uid_t uid, const std::function<int()>& job);
// A local stream socket bound to (and listening on) or connected to an
// abstract name, as the program's one-copy rule uses them; -1 on failure.
int abstractSocket(const QByteArray& name, bool listen);

// The one-copy rule is per user, so these tests run alone and refuse to run
// while another copy is up. Every copy started is killed at the end.
class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override { processes_.clear(); }
    QProcess& start(const QString& program);

private:
    std::vector<std::unique_ptr<QProcess>> processes_;
};

}  // namespace e2e
