// One copy per user. A second start ends at once with status 0 and brings
// the first copy's window forward; nobody else can poke that window; a name
// squatted by another user or left by a killed copy blocks nothing; closing
// the window ends the program with status 0.
#include <sys/wait.h>

#include <QApplication>
#include <QTimer>
#include <QWindow>
#include <csignal>

#include "app/startup/SubMain.h"
#include "e2e/VelkaraProcess.h"
#include "window/frmCalc.h"

namespace {

using namespace e2e;

// Taken before a child drops to another uid.
const QByteArray kName = QFile::encodeName(SingleInstance::DefaultName());

// Sends `bytes` as `uid` and waits until the running copy closes the
// connection, which it does once it has dealt with it.
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

// Runs in a fresh child of the test runner (the program's start-up needs its
// own process): SubMain as main() runs it, then the requests.
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
    ASSERT_TRUE(second.waitForFinished(kSettleLimitMs));
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
    ASSERT_TRUE(WaitUntilSettled(start(folder.program()))) << "a killed copy still blocks";
}

TEST_F(EndToEnd, NameHeldByAnotherUsersProcessDoesNotStopTheStart) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to run a process as another user";
    int bound[2];
    ASSERT_EQ(::pipe(bound), 0);
    const pid_t holder = ForkAs(65534, [&] {
        const char held = AbstractSocket(kName, true) >= 0 ? '1' : '0';
        return ::write(bound[1], &held, 1) == 1 ? ::pause() : 1;
    });
    char held = 0;
    ASSERT_EQ(::read(bound[0], &held, 1), 1);
    ASSERT_EQ(held, '1');
    ProgramFolder folder;
    QProcess& program = start(folder.program());
    EXPECT_TRUE(WaitUntilSettled(program)) << "another user's process stopped the start";
    program.setReadChannel(QProcess::StandardError);
    QByteArray told = program.readAll();
    while (!told.contains("one-copy") && program.waitForReadyRead(kSettleLimitMs))
        told += program.readAll();
    EXPECT_TRUE(told.contains("one-copy")) << "not told on stderr";
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
}

}  // namespace
