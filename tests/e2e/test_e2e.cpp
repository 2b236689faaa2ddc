// The built program as a user runs it, from a copy in a temporary folder (it reads the settings
// beside its real file). One copy per user: a second start ends at once with status 0 and brings
// the first copy's window forward; nobody else can poke it; a name held by another user, by a
// process that is no copy, or left by a killed copy blocks nothing; closing the window ends the
// program with status 0. Installed, the command is a link to the program, whose settings file is
// a link to the administrator's file.
//
// Linux only: it watches the kernel (inotify, /proc, abstract sockets) and switches users. The
// Windows counterpart is test_one_copy_windows.cpp.
#if defined(__linux__)
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <csignal>
#include <cstddef>
#include <cstring>
#include <deque>
#include <functional>

#include "app/SingleInstance.h"
#include "app/SubMain.h"
#include "window/frmCalc.h"

namespace {

constexpr int kSettleLimitMs = 30000;  // only a hang hits it, even under sanitizers

// A temporary folder with a copy of the program named "velkara".
struct ProgramFolder : QTemporaryDir {
    ProgramFolder() {
        EXPECT_TRUE(isValid() && QFile::copy(VELKARA_EXE_PATH, program()) &&
                    QFile::setPermissions(program(), QFile::ReadOwner | QFile::ExeOwner));
    }
    QString program() const { return filePath("velkara"); }
};

// Tells whether anything in a folder (of settings files only) was opened since the watch began.
class OpenWatch {
    int fd_ = ::inotify_init1(IN_NONBLOCK);

public:
    explicit OpenWatch(const QString& folder) {
        EXPECT_GE(::inotify_add_watch(fd_, QFile::encodeName(folder).constData(), IN_OPEN), 0);
    }
    ~OpenWatch() { ::close(fd_); }
    bool seen() const {
        alignas(inotify_event) char events[4096];
        return ::read(fd_, events, sizeof events) > 0;
    }
};

// True once start-up is over: the UI thread waits in poll or a relative twice in a row (one blocked
// on a file sits in open or read); false when the process ended.
bool WaitUntilSettled(QProcess& process) {
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

// Runs `job` in a child dropped to `uid` (when root), which makes system calls only, as the
// parent has threads. Its status is the job's result, 99 when it could not drop.
pid_t ForkAs(uid_t uid, const std::function<int()>& job) {
    const pid_t child = ::fork();
    if (child != 0) return child;
    if (::geteuid() == 0 && uid != 0 && (::setgid(uid) != 0 || ::setuid(uid) != 0)) ::_exit(99);
    ::_exit(job());
}

// A stream socket listening on, or connected to, an abstract name; -1 on failure.
int AbstractSocket(const QByteArray& name, bool listen) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    // After a leading NUL, exactly the name's bytes.
    std::memcpy(address.sun_path + 1, name.constData(), static_cast<std::size_t>(name.size()));
    const auto size = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const auto* at = reinterpret_cast<const sockaddr*>(&address);
    const bool ok =
        listen ? ::bind(fd, at, size) == 0 && ::listen(fd, 8) == 0 : ::connect(fd, at, size) == 0;
    return ok ? fd : (::close(fd), -1);
}

// Runs alone (the rule is per user), refuses to run beside a copy, kills every copy it started.
class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_LT(AbstractSocket(QFile::encodeName(SingleInstance::DefaultName()), false), 0)
            << "a copy of the program is running; close it";
    }
    QProcess& start(const QString& program) {
        QProcess& process = processes_.emplace_back();
        process.setWorkingDirectory(QDir::tempPath());
        process.start(program, {});
        process.waitForStarted(kSettleLimitMs);
        return process;
    }

private:
    std::deque<QProcess> processes_;
};

// Taken before a child drops to another uid.
const QByteArray kName = QFile::encodeName(SingleInstance::DefaultName());

// Sends `bytes` as `uid`; the running copy closes the connection once it has dealt with them.
void SendAs(uid_t uid, const QByteArray& bytes) {
    const pid_t child = ForkAs(uid, [&] {
        const int fd = AbstractSocket(kName, false);
        char end;
        // The copy may close before the bytes go out: that is as good as unread.
        (void)::send(fd, bytes.constData(), bytes.size(), MSG_NOSIGNAL);
        return fd >= 0 && ::read(fd, &end, 1) <= 0 ? 0 : 1;
    });
    int status = -1;
    while (::waitpid(child, &status, WNOHANG) == 0)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(status, 0) << "uid " << uid;
}

// In a fresh child of the runner (start-up needs a process of its own): SubMain, then requests.
void RunTheProgramAndSendItRequests() {
    ::dup2(2, 1);  // failures show in what the death test reports
    ModCommonProc::SubMain();
    frmCalc* window = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        window = window ? window : qobject_cast<frmCalc*>(widget);
    if (window == nullptr) std::exit(90);
    window->showMinimized();
    if (::geteuid() == 0) SendAs(65534, SingleInstance::kBringForwardRequest);
    SendAs(::getuid(), "RAISE!\nRAISE\n");
    EXPECT_TRUE(window->isMinimized()) << "raised by someone else";

    ProgramFolder folder;  // the rule is per user, not per program file
    QProcess second;
    second.start(folder.program(), {});
    // It waits for this copy's answer, so this copy keeps serving events.
    for (const QDeadlineTimer limit(kSettleLimitMs);
         second.state() != QProcess::NotRunning && !limit.hasExpired();) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    ASSERT_EQ(second.state(), QProcess::NotRunning);
    EXPECT_EQ(second.exitCode(), 0);
    for (const QDeadlineTimer limit(kSettleLimitMs);
         (window->isMinimized() || !window->isActiveWindow()) && !limit.hasExpired();) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    EXPECT_FALSE(window->isMinimized());
    EXPECT_TRUE(window->isActiveWindow());
    // Closed as the window system closes it, once the program's event loop runs.
    QTimer::singleShot(0, window, [window] { window->windowHandle()->close(); });
    const int status = QApplication::exec();
    std::exit(::testing::Test::HasFailure() ? 1 : status);
}

using OneCopyDeathTest = EndToEnd;

TEST_F(OneCopyDeathTest, SecondStartBringsTheWindowForwardOthersCannotAndClosingEndsWithZero) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT((RunTheProgramAndSendItRequests(), std::exit(1)), ::testing::ExitedWithCode(0), "");
}

TEST_F(EndToEnd, StartWorksAfterTheRunningCopyWasKilled) {
    ProgramFolder folder;
    QProcess& killed = start(folder.program());
    ASSERT_TRUE(WaitUntilSettled(killed));
    killed.kill();
    killed.waitForFinished();
    QProcess& next = start(folder.program());
    ASSERT_TRUE(WaitUntilSettled(next)) << "a killed copy still blocks";
    EXPECT_FALSE(next.readAllStandardError().contains("one-copy")) << "a clean start says nothing";
}

// A process that is no copy of the program holds its name and never answers: the program says
// so, then starts anyway.
class NameHeld : public EndToEnd {
protected:
    void ExpectStartDespiteHolderAs(uid_t uid) {
        const pid_t holder =
            ForkAs(uid, [] { return AbstractSocket(kName, true) >= 0 ? ::pause() : 1; });
        int probe = -1;
        while (probe < 0 && ::waitpid(holder, nullptr, WNOHANG) == 0)
            probe = AbstractSocket(kName, false);
        ASSERT_EQ(::close(probe), 0) << "the holder could not take the name";
        ProgramFolder folder;
        QProcess& program = start(folder.program());
        program.setReadChannel(QProcess::StandardError);
        QByteArray told;
        for (const QDeadlineTimer limit(kSettleLimitMs);
             !told.contains("one-copy") && program.waitForReadyRead(limit.remainingTime());) {
            told += program.readAll();
        }
        EXPECT_TRUE(told.contains("one-copy")) << "not told on stderr: " << told.constData();
        EXPECT_TRUE(WaitUntilSettled(program)) << "the holder stopped the start";
        ::kill(holder, SIGKILL);
        ::waitpid(holder, nullptr, 0);
    }
};

TEST_F(NameHeld, ByAnotherUsersProcessDoesNotStopTheStart) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to run a process as another user";
    ExpectStartDespiteHolderAs(65534);
}

TEST_F(NameHeld, ByThisUsersProcessThatIsNoCopyDoesNotStopTheStart) {
    ExpectStartDespiteHolderAs(::getuid());
}

class StartedThroughTheCommandLink : public EndToEnd,
                                     public ::testing::WithParamInterface<const char*> {};

TEST_P(StartedThroughTheCommandLink, FollowsTheSettingsLinkOnlyToARegularFile) {
    const QString kind = GetParam();
    ProgramFolder root;  // its copy of the program is moved into place
    const QString lib = root.filePath("usr/lib/velkara"), bin = root.filePath("usr/bin"),
                  etc = root.filePath("etc/velkara"), settings = etc + "/Velkara.ini";
    ASSERT_TRUE(QDir().mkpath(lib) && QDir().mkpath(bin) && QDir().mkpath(etc));
    ASSERT_TRUE(QFile::rename(root.program(), lib + "/velkara"));
    ASSERT_TRUE(QFile::link("../lib/velkara/velkara", bin + "/velkara"));
    if (kind != "none")
        QFile::link(kind == "device" ? "/dev/zero" : settings, lib + "/Velkara.ini");
    ASSERT_TRUE(QFile(bin + "/Velkara.ini").open(QIODevice::WriteOnly));
    ASSERT_TRUE(kind != "file" || QFile(settings).open(QIODevice::WriteOnly));
    ASSERT_TRUE(kind != "folder" || QDir().mkdir(settings));
    ASSERT_TRUE(kind != "fifo" || ::mkfifo(QFile::encodeName(settings), 0600) == 0);

    OpenWatch inEtc(etc), besideLink(bin);
    ASSERT_TRUE(WaitUntilSettled(start(bin + "/velkara")));
    EXPECT_EQ(inEtc.seen(), kind == "file");
    EXPECT_FALSE(besideLink.seen());
}

INSTANTIATE_TEST_SUITE_P(SettingsLinkTargets, StartedThroughTheCommandLink,
                         ::testing::Values("none", "file", "folder", "fifo", "device"));

}  // namespace

#endif
