// One copy per user. A second start ends at once with status 0, reads no
// settings and brings the first copy's window forward; nobody else can poke
// that window; a name squatted by another user or left by a killed copy
// blocks nothing; closing the window ends the program with status 0.
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

#include <QApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <QWindow>

#include "app/ModCommonProc.h"
#include "app/SingleInstance.h"
#include "e2e/VelkaraProcess.h"
#include "window/frmCalc.h"

namespace {

using namespace e2e;

void ExpectEndsWithStatusZero(QProcess& process) {
    ASSERT_TRUE(process.waitForFinished(kSettleLimitMs)) << "the copy did not end";
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
}

// Sends `bytes` as `uid` and waits until the running copy closes the
// connection, which it does once it has dealt with it.
void SendAs(uid_t uid, const QByteArray& bytes) {
    const QByteArray name = QFile::encodeName(SingleInstance::DefaultName());  // this user's
    const pid_t child = forkAs(uid, [&] {
        const int fd = abstractSocket(name, false);
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

    ProgramFolder folder;
    QProcess second;
    second.start(folder.programPath(), {});
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

TEST_F(EndToEnd, SecondStartEndsAtOnceAndTheFirstKeepsRunning) {
    ProgramFolder first, other;  // the rule is per user, not per program file
    for (const ProgramFolder* f : {&first, &other})
        f->writeFile("Velkara.ini", "[SYSTEM]\nLANG_FLAG=1\n");
    QProcess& running = start(first.programPath());
    ASSERT_TRUE(waitUntilSettled(running));
    for (const ProgramFolder* f : {&first, &other}) {
        OpenedFilesWatch watch(f->path());
        ExpectEndsWithStatusZero(start(f->programPath()));
        EXPECT_TRUE(watch.takeOpenedIniFiles().isEmpty()) << "the second copy read settings";
    }
    EXPECT_EQ(running.state(), QProcess::Running);
}

TEST_F(EndToEnd, StartWorksAfterTheRunningCopyWasKilled) {
    ProgramFolder folder;
    QProcess& killed = start(folder.programPath());
    ASSERT_TRUE(waitUntilSettled(killed));
    killed.kill();
    killed.waitForFinished();
    ASSERT_TRUE(waitUntilSettled(start(folder.programPath()))) << "a killed copy still blocks";
    ExpectEndsWithStatusZero(start(folder.programPath()));  // and the new copy keeps a third out
}

TEST_F(EndToEnd, NameHeldByAnotherUsersProcessDoesNotStopTheStart) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to run a process as another user";
    int bound[2];
    ASSERT_EQ(::pipe(bound), 0);
    const QByteArray name = QFile::encodeName(SingleInstance::DefaultName());  // root's
    const pid_t holder = forkAs(65534, [&] {
        const char held = abstractSocket(name, true) >= 0 ? '1' : '0';
        return ::write(bound[1], &held, 1) == 1 ? ::pause() : 1;
    });
    char held = 0;
    ASSERT_EQ(::read(bound[0], &held, 1), 1);
    ASSERT_EQ(held, '1');
    ProgramFolder folder;
    QProcess& program = start(folder.programPath());
    EXPECT_TRUE(waitUntilSettled(program)) << "another user's process stopped the start";
    EXPECT_FALSE(program.waitForFinished(300));
    EXPECT_TRUE(program.readAllStandardError().contains("one-copy")) << "not told on stderr";
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
}

}  // namespace
