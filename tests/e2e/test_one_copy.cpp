// One copy per user, the built program started from a copy in a temporary folder: a second start
// brings the running copy's window forward and ends with status 0, nothing else brings it; a
// name held by no copy of the program, or left by a killed copy, blocks no start; of two starts
// at the same moment one stays; closing the window ends the program with status 0. Only how a
// foreign holder takes the name and how a start is seen to have settled differ by platform.
#if defined(__linux__) || defined(_WIN32)
#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <deque>
#include <optional>

#include "app/SingleInstance.h"
#include "app/SubMain.h"
#include "window/ListWindow.h"
#include "window/frmCalc.h"

#if defined(_WIN32)
#include <qt_windows.h>
#include <sddl.h>
#else
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QThread>
#include <csignal>
#include <cstddef>
#include <cstring>
#include <functional>
#endif

namespace {

constexpr int kSettleLimitMs = 30000;  // only a hang hits it, even under sanitizers

enum class Holder { ThisUserSilent, ThisUserSilentOneConnection, ThisUserBoundOnly, OtherUser };

#if defined(_WIN32)
const char* const kProgramFile = "velkara.exe";
const QString kUser = QStringLiteral("S-1-");  // the user's SID
constexpr auto kSocketOptions = QLocalSocket::NoOptions;

// True once the program waits for input in its event loop, still running.
bool WaitUntilSettled(QProcess& process) {
    const HANDLE handle = ::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE,
                                        static_cast<DWORD>(process.processId()));
    const bool idle = handle && ::WaitForInputIdle(handle, kSettleLimitMs) == 0 &&
                      ::WaitForSingleObject(handle, 0) == WAIT_TIMEOUT;
    if (handle) ::CloseHandle(handle);
    return idle;
}

// A pipe of the program's name that takes a connection and never reads or answers: a client
// may connect to a new instance before its server waits for one. Another user's copy admits
// nobody but that user: its security descriptor "D:" admits nobody.
class ForeignHolder {
    HANDLE pipe_ = INVALID_HANDLE_VALUE;

public:
    explicit ForeignHolder(Holder kind) {
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        if (kind == Holder::OtherUser && !::ConvertStringSecurityDescriptorToSecurityDescriptorW(
                                             L"D:", SDDL_REVISION_1, &descriptor, nullptr)) {
            return;
        }
        SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor, FALSE};
        const QString path = "\\\\.\\pipe\\" + SingleInstance::DefaultName();
        const DWORD instances =
            kind == Holder::ThisUserSilentOneConnection ? 1 : PIPE_UNLIMITED_INSTANCES;
        pipe_ =
            ::CreateNamedPipeW(reinterpret_cast<const wchar_t*>(path.utf16()), PIPE_ACCESS_DUPLEX,
                               PIPE_TYPE_BYTE | PIPE_WAIT, instances, 64, 64, 0, &attributes);
        ::LocalFree(descriptor);
    }
    ~ForeignHolder() {
        if (held()) ::CloseHandle(pipe_);
    }
    bool held() const { return pipe_ != INVALID_HANDLE_VALUE; }
};

#else
const char* const kProgramFile = "velkara";
const QString kUser = QString::number(::getuid());
constexpr auto kSocketOptions = QLocalSocket::AbstractNamespaceOption;
constexpr uid_t kNobody = 65534;

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
        if (waits() && (QThread::msleep(50), waits())) return true;
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

// Taken before a child drops to another uid.
const QByteArray kName = QFile::encodeName(SingleInstance::DefaultName());

enum class Use { Connect, Bind, Listen };

// A stream socket on the program's abstract name; -1 on failure.
int NameSocket(Use use) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    // After a leading NUL, exactly the name's bytes.
    std::memcpy(address.sun_path + 1, kName.constData(), static_cast<std::size_t>(kName.size()));
    const auto size = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + kName.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const auto* at = reinterpret_cast<const sockaddr*>(&address);
    const bool ok = use == Use::Connect
                        ? ::connect(fd, at, size) == 0
                        : ::bind(fd, at, size) == 0 && (use == Use::Bind || ::listen(fd, 8) == 0);
    return ok ? fd : (::close(fd), -1);
}

// The program's name held by a socket that never answers: one of this process, listening or
// only bound, or one of a child running as another user.
class ForeignHolder {
    int socket_ = -1;
    pid_t child_ = -1;

public:
    explicit ForeignHolder(Holder kind) {
        if (kind != Holder::OtherUser) {
            socket_ = NameSocket(kind == Holder::ThisUserBoundOnly ? Use::Bind : Use::Listen);
            return;
        }
        child_ = ForkAs(kNobody, [] { return NameSocket(Use::Listen) >= 0 ? ::pause() : 1; });
        while (socket_ < 0 && ::waitpid(child_, nullptr, WNOHANG) == 0)
            socket_ = NameSocket(Use::Connect);
    }
    ~ForeignHolder() {
        ::close(socket_);
        if (child_ > 0) ::kill(child_, SIGKILL), ::waitpid(child_, nullptr, 0);
    }
    bool held() const { return socket_ >= 0; }
};
#endif

// Serves this process's events (a copy in it answers from them) until `done`, or a hang.
template <typename Done>
bool ServeEventsUntil(Done done) {
    for (const QDeadlineTimer limit(kSettleLimitMs); !done() && !limit.hasExpired();)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

// Runs alone (the rule is per user), refuses to run beside a copy, kills every copy it started.
class OneCopy : public ::testing::Test {
protected:
    void SetUp() override {
        QLocalSocket probe;
        probe.setSocketOptions(kSocketOptions);
        probe.connectToServer(SingleInstance::DefaultName());
        ASSERT_FALSE(probe.waitForConnected(500)) << "a copy of the program is running; close it";
    }
    // Starts a copy of the program in a folder of its own.
    QProcess& start(const QStringList& arguments = {}, const QString& in = QDir::tempPath()) {
        const QString program = folders_.emplace_back().filePath(kProgramFile);
        EXPECT_TRUE(QFile::copy(VELKARA_EXE_PATH, program));
        QProcess& process = processes_.emplace_back();
        process.setWorkingDirectory(in);
        process.setReadChannel(QProcess::StandardError);
        process.start(program, arguments);
        EXPECT_TRUE(process.waitForStarted(kSettleLimitMs));
        return process;
    }

private:
    std::deque<QTemporaryDir> folders_;
    std::deque<QProcess> processes_;  // each killed when it goes
};

TEST_F(OneCopy, OfTwoStartsAtTheSameMomentOneStaysAndOnceKilledBlocksNoStart) {
    QProcess &first = start(), &second = start();
    ServeEventsUntil([&] {
        return first.state() == QProcess::NotRunning || second.state() == QProcess::NotRunning;
    });
    QProcess& ended = first.state() == QProcess::NotRunning ? first : second;
    QProcess& stayed = &ended == &first ? second : first;
    ASSERT_EQ(ended.state(), QProcess::NotRunning) << "both stayed";
    EXPECT_EQ(ended.exitCode(), 0);
    ASSERT_TRUE(WaitUntilSettled(stayed));
    stayed.kill();
    stayed.waitForFinished();
    QProcess& next = start();
    ASSERT_TRUE(WaitUntilSettled(next)) << "a killed copy still blocks";
    EXPECT_FALSE(next.readAllStandardError().contains("one-copy")) << "a clean start says nothing";
}

// Something that is no copy of the program holds its name and never answers, or never even
// listens: the program says so on stderr (but for a pipe it cannot open, which it takes for
// nobody's), then starts anyway.
struct ForeignName {
    const char* name;
    Holder kind;
    // That it says it starts without the one-copy check; unset where that
    // depends on the system: Windows refuses another user's pipe, which the
    // program then takes for nobody's, while Wine opens it like any other.
    std::optional<bool> told;
};
void PrintTo(const ForeignName& row, std::ostream* os) {
    *os << row.name;
}

class NameHeld : public OneCopy, public ::testing::WithParamInterface<ForeignName> {};

TEST_P(NameHeld, DoesNotStopTheStart) {
#if !defined(_WIN32)
    if (GetParam().kind == Holder::OtherUser && ::geteuid() != 0)
        GTEST_SKIP() << "needs root to run a process as another user";
#endif
    const ForeignHolder holder(GetParam().kind);
    ASSERT_TRUE(holder.held()) << "the holder could not take the name";
    QProcess& program = start();
    QByteArray told;  // awaited when it is to come: the start may look settled before it is said
    ServeEventsUntil([&] {
        return GetParam().told != true ||
               (told += program.readAllStandardError()).contains("one-copy");
    });
    EXPECT_TRUE(WaitUntilSettled(program)) << "the holder stopped the start";
    program.kill(), program.waitForFinished();  // all it wrote is read once it has ended
    told += program.readAllStandardError();
    if (GetParam().told) {
        EXPECT_EQ(told.contains("one-copy"), *GetParam().told) << "on stderr: " << told.constData();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Holders, NameHeld,
    ::testing::Values(ForeignName{"this user's, silent", Holder::ThisUserSilent, true},
#if defined(_WIN32)
                      ForeignName{"this user's, silent, one connection at a time",
                                  Holder::ThisUserSilentOneConnection, true},
                      ForeignName{"another user's", Holder::OtherUser, std::nullopt}
#else
                      ForeignName{"this user's, bound and never listening",
                                  Holder::ThisUserBoundOnly, true},
                      ForeignName{"another user's", Holder::OtherUser, true}
#endif
                      ));

TEST_F(OneCopy, SecondStartBringsTheWindowForwardNothingElseDoesAndClosingEndsWithZero) {
    // Pipe names are shared by the whole machine; without the user in it, one user's copy would
    // answer for every other user's start.
    EXPECT_TRUE(SingleInstance::DefaultName().startsWith("velkara-single-instance-" + kUser))
        << SingleInstance::DefaultName().toStdString();
    // Lists given at start, to this copy and to a later start in another folder.
    QTemporaryDir lists;
    const QString first = lists.filePath("first plan.csv"), later = lists.filePath("計画 2.csv");
    for (const QString& list : {first, later}) {
        QFile file(list);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write("wall\n6\n") == 7);
    }
    const auto copy = ModCommonProc::SubMain({"velkara", first});
    ASSERT_NE(copy, nullptr);
    frmCalc* window = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        window = window ? window : qobject_cast<frmCalc*>(widget);
    ASSERT_NE(window, nullptr);
    ListWindow* list = nullptr;
    EXPECT_TRUE(ServeEventsUntil([&] { return (list = window->findChild<ListWindow*>()); }));
    EXPECT_EQ(list ? list->Path() : "", first);
    window->showMinimized();
#if !defined(_WIN32)
    if (::geteuid() == 0) {  // another user's request, from a child as nobody
        const pid_t child = ForkAs(kNobody, [] {
            const int fd = NameSocket(Use::Connect);
            char end;
            // The copy may close before the bytes go out: that is as good as unread.
            (void)::send(fd, SingleInstance::kBringForwardRequest,
                         sizeof SingleInstance::kBringForwardRequest - 1, MSG_NOSIGNAL);
            return fd >= 0 && ::read(fd, &end, 1) <= 0 ? 0 : 1;
        });
        int status = -1;
        ServeEventsUntil([&] { return ::waitpid(child, &status, WNOHANG) != 0; });
        EXPECT_EQ(status, 0) << "another user's request was answered";
    }
#endif
    QLocalSocket socket;  // this user's, with bytes that are not the request
    socket.setSocketOptions(kSocketOptions);
    socket.connectToServer(SingleInstance::DefaultName());
    EXPECT_TRUE(socket.waitForConnected(kSettleLimitMs));
    socket.write("RAISE!\nRAISE\n");
    EXPECT_TRUE(ServeEventsUntil([&] { return socket.state() == QLocalSocket::UnconnectedState; }))
        << "never dealt with";
    EXPECT_TRUE(window->isMinimized()) << "raised by a request that is not the request";

    QProcess& second = start();  // the rule is per user, not per program file
    ASSERT_TRUE(ServeEventsUntil([&] { return second.state() == QProcess::NotRunning; }));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_FALSE(second.readAllStandardError().contains("one-copy"))
        << "taken for a foreign holder";
    ServeEventsUntil([&] { return !window->isMinimized() && window->isActiveWindow(); });
    EXPECT_FALSE(window->isMinimized());
    EXPECT_TRUE(window->isActiveWindow());
    // A later start given a list hands it over, its path as that start found it.
    QProcess& third = start({QFileInfo(later).fileName()}, lists.path());
    ASSERT_TRUE(ServeEventsUntil([&] { return third.state() == QProcess::NotRunning; }));
    EXPECT_EQ(third.exitCode(), 0);
    EXPECT_TRUE(ServeEventsUntil([&] { return list && list->Path() == later; }));
    EXPECT_TRUE(ServeEventsUntil([&] { return list && list->isActiveWindow(); }));
    // Closed as the window system closes it, once the program's event loop runs.
    QTimer::singleShot(0, window, [window] { window->windowHandle()->close(); });
    EXPECT_EQ(QApplication::exec(), 0);
}

}  // namespace

#endif
