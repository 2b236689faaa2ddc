#pragma once
// Runs the built program as a user would: a copy of the program file in a
// temporary folder of its own (it reads the settings beside its real file),
// started without arguments, observed from outside.
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <cstddef>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "app/startup/SingleInstance.h"

namespace e2e {

// Only a hang hits it; generous for the sanitizer build.
inline constexpr int kSettleLimitMs = 30000;

// A temporary folder with a copy of the program named "velkara".
struct ProgramFolder : QTemporaryDir {
    ProgramFolder() {
        EXPECT_TRUE(isValid() && QFile::copy(VELKARA_EXE_PATH, program()) &&
                    QFile::setPermissions(program(), QFile::ReadOwner | QFile::ExeOwner));
    }
    QString program() const { return filePath("velkara"); }
    void write(const QString& name, const QByteArray& content) const {
        QFile file(filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    }
};

// Watches a folder for settings files (*.ini) being opened, with inotify.
class IniOpenWatch {
public:
    explicit IniOpenWatch(const QString& folder) : fd_(::inotify_init1(IN_NONBLOCK)) {
        EXPECT_GE(::inotify_add_watch(fd_, QFile::encodeName(folder).constData(), IN_OPEN), 0);
    }
    ~IniOpenWatch() { ::close(fd_); }
    bool seen() {
        bool opened = false;
        alignas(inotify_event) char buffer[16384];
        for (ssize_t got; (got = ::read(fd_, buffer, sizeof buffer)) > 0;) {
            for (const char* at = buffer; at < buffer + got;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                opened |= event->len > 0 && QByteArray(event->name).toLower().endsWith(".ini");
                at += sizeof(inotify_event) + event->len;
            }
        }
        return opened;
    }

private:
    int fd_;
};

// True once start-up is over and the user-interface thread waits in poll or a
// relative, twice in a row (a passing wait inside start-up does not count;
// one blocked on a file sits in open or read); false when the process ended.
inline bool WaitUntilSettled(QProcess& process) {
    const auto waits = [&] {
        QFile file(QStringLiteral("/proc/%1/syscall").arg(process.processId()));
        const long call =
            file.open(QIODevice::ReadOnly) ? file.readAll().split(' ')[0].toLong() : -1;
        return call == SYS_poll || call == SYS_ppoll || call == SYS_epoll_wait ||
               call == SYS_select;
    };
    for (const QDeadlineTimer deadline(kSettleLimitMs); !deadline.hasExpired();) {
        if (process.state() != QProcess::Running) return false;
        if (waits()) {
            QThread::msleep(50);
            if (waits()) return true;
        }
        process.waitForFinished(20);
    }
    return false;
}

// Runs `job` in a forked child that first drops to `uid` (when root); the
// child makes system calls only, as the parent has threads. Its status is
// the job's result, 99 when it could not drop.
inline pid_t ForkAs(uid_t uid, const std::function<int()>& job) {
    const pid_t child = ::fork();
    if (child != 0) return child;
    if (::geteuid() == 0 && uid != 0 && (::setgid(uid) != 0 || ::setuid(uid) != 0)) ::_exit(99);
    ::_exit(job());
}

// A local stream socket bound to (and listening on) or connected to an
// abstract name, as the program's one-copy rule uses them; -1 on failure.
inline int AbstractSocket(const QByteArray& name, bool listen) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    // After a leading NUL, exactly the name's bytes.
    std::memcpy(address.sun_path + 1, name.constData(), static_cast<std::size_t>(name.size()));
    const auto size = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const auto* at = reinterpret_cast<const sockaddr*>(&address);
    const bool ok =
        listen ? ::bind(fd, at, size) == 0 && ::listen(fd, 8) == 0 : ::connect(fd, at, size) == 0;
    return ok ? fd : -1;
}

// The one-copy rule is per user, so these tests run alone and refuse to run
// while another copy is up. Every copy started is killed at the end.
class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        const int fd = AbstractSocket(QFile::encodeName(SingleInstance::DefaultName()), false);
        ASSERT_LT(fd, 0) << "a copy of the program is running; close it";
    }
    QProcess& start(const QString& program) {
        auto& process = *processes_.emplace_back(std::make_unique<QProcess>());
        process.setWorkingDirectory(QDir::tempPath());
        process.start(program, {});
        process.waitForStarted(kSettleLimitMs);
        return process;
    }

private:
    std::vector<std::unique_ptr<QProcess>> processes_;
};

}  // namespace e2e
