// One copy per user on Windows, from a copy of the built program in a temporary folder: a
// second start brings the running copy's window forward and ends with status 0; a pipe of the
// program's name that is no copy of it (silent, or refusing this user as another user's pipe
// does) never stops a start. The program tells it runs without the rule, then reaches its event
// loop and stays.
#if defined(_WIN32)
#include <gtest/gtest.h>
#include <qt_windows.h>
#include <sddl.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include "app/SingleInstance.h"
#include "app/SubMain.h"
#include "window/frmCalc.h"

namespace {

constexpr int kSettleLimitMs = 30000;  // only a hang hits it

// Serves events while `process` runs: the running copy must answer the one it started.
bool FinishServingEvents(QProcess& process) {
    for (const QDeadlineTimer limit(kSettleLimitMs);
         process.state() != QProcess::NotRunning && !limit.hasExpired();) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return process.state() == QProcess::NotRunning;
}

struct ProgramCopy : QTemporaryDir {
    QString program() const { return filePath("velkara.exe"); }
    QProcess process;
    ProgramCopy() {
        EXPECT_TRUE(QFile::copy(VELKARA_EXE_PATH, program()));
        process.setReadChannel(QProcess::StandardError);
    }
    ~ProgramCopy() {
        process.kill();
        process.waitForFinished();
    }
    // True once the program waits for input in its event loop, still running.
    bool Settled() const {
        const HANDLE handle = ::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE,
                                            static_cast<DWORD>(process.processId()));
        const bool idle = handle && ::WaitForInputIdle(handle, kSettleLimitMs) == 0 &&
                          ::WaitForSingleObject(handle, 0) == WAIT_TIMEOUT;
        if (handle) ::CloseHandle(handle);
        return idle;
    }
    // Starts the program; true once it has told `stderrNeedle` (when not empty) and settled.
    bool StartAndSettle(const char* stderrNeedle) {
        process.start(program(), {});
        if (!process.waitForStarted(kSettleLimitMs)) return false;
        QByteArray told;
        for (const QDeadlineTimer limit(kSettleLimitMs);
             !told.contains(stderrNeedle) && process.waitForReadyRead(limit.remainingTime());) {
            told += process.readAllStandardError();
        }
        EXPECT_TRUE(told.contains(stderrNeedle)) << told.constData();
        return Settled();
    }
};

// A pipe of the program's name made by this test: it takes a connection and never reads or
// answers. `access` is its security descriptor: "" leaves the default (this user may open it),
// "D:" admits nobody, as another user's copy admits nobody but that user.
class ForeignPipe {
    HANDLE pipe_ = INVALID_HANDLE_VALUE;
    OVERLAPPED connecting_{};

public:
    ForeignPipe(const QString& name, const wchar_t* access, DWORD instances) {
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        if (*access != L'\0' && !::ConvertStringSecurityDescriptorToSecurityDescriptorW(
                                    access, SDDL_REVISION_1, &descriptor, nullptr)) {
            return;
        }
        SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor, FALSE};
        const QString path = QStringLiteral("\\\\.\\pipe\\") + name;
        pipe_ = ::CreateNamedPipeW(reinterpret_cast<const wchar_t*>(path.utf16()),
                                   PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED,
                                   PIPE_TYPE_BYTE | PIPE_WAIT, instances, 64, 64, 0, &attributes);
        ::LocalFree(descriptor);
        connecting_.hEvent = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
        // Waits for a client from now on; it is never asked whether one came.
        if (held() && !::ConnectNamedPipe(pipe_, &connecting_) &&
            ::GetLastError() != ERROR_IO_PENDING && ::GetLastError() != ERROR_PIPE_CONNECTED) {
            ::CloseHandle(pipe_);
            pipe_ = INVALID_HANDLE_VALUE;
        }
    }
    ~ForeignPipe() {
        if (held()) {
            ::CancelIo(pipe_);
            ::CloseHandle(pipe_);
        }
        ::CloseHandle(connecting_.hEvent);
    }
    bool held() const { return pipe_ != INVALID_HANDLE_VALUE; }
};

TEST(OneCopyWindows, NameCarriesTheUsersSid) {
    // Pipe names are shared by the whole machine; without the user in it, one user's copy would
    // answer for every other user's start.
    EXPECT_TRUE(SingleInstance::DefaultName().startsWith("velkara-single-instance-S-1-"))
        << SingleInstance::DefaultName().toStdString();
}

TEST(OneCopyWindows, OfTwoStartsAtTheSameMomentOneStaysAndTheOtherEndsWithZero) {
    ProgramCopy first, second;
    first.process.start(first.program(), {});
    second.process.start(second.program(), {});
    for (const QDeadlineTimer limit(kSettleLimitMs);
         first.process.state() != QProcess::NotRunning &&
         second.process.state() != QProcess::NotRunning && !limit.hasExpired();) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    ProgramCopy& ended = first.process.state() == QProcess::NotRunning ? first : second;
    ProgramCopy& stayed = &ended == &first ? second : first;
    ASSERT_EQ(ended.process.state(), QProcess::NotRunning) << "both stayed";
    EXPECT_EQ(ended.process.exitCode(), 0);
    EXPECT_TRUE(stayed.Settled());
}

TEST(OneCopyWindows, PipeOfTheNameThatIsNoCopyDoesNotStopTheStart) {
    const struct {
        const char* name;
        const wchar_t* access;
        DWORD instances;
        const char* told;  // on stderr; a pipe it cannot open it takes for nobody's
    } kForeignPipes[] = {
        {"silent, open to this user", L"", PIPE_UNLIMITED_INSTANCES, "one-copy"},
        {"silent, single instance", L"", 1, "one-copy"},
        {"refusing this user", L"D:", PIPE_UNLIMITED_INSTANCES, ""},
    };
    for (const auto& pipe : kForeignPipes) {
        SCOPED_TRACE(pipe.name);
        const ForeignPipe foreign(SingleInstance::DefaultName(), pipe.access, pipe.instances);
        ASSERT_TRUE(foreign.held()) << "a copy of the program is running; close it";
        ProgramCopy program;
        EXPECT_TRUE(program.StartAndSettle(pipe.told)) << "the pipe stopped the start";
    }
}

// Last: this process then holds the name until it ends.
TEST(OneCopyWindows, SecondStartBringsTheWindowForwardAndEndsWithZero) {
    ModCommonProc::SubMain();
    ASSERT_TRUE(ModCommonProc::IsWindowOpen()) << "a copy of the program is running; close it";
    frmCalc* window = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        window = window ? window : qobject_cast<frmCalc*>(widget);
    ASSERT_NE(window, nullptr);
    window->showMinimized();

    ProgramCopy second;  // the rule is per user, not per program file
    second.process.start(second.program(), {});
    ASSERT_TRUE(FinishServingEvents(second.process));
    EXPECT_EQ(second.process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.process.exitCode(), 0);
    for (const QDeadlineTimer limit(kSettleLimitMs);
         (window->isMinimized() || !window->isActiveWindow()) && !limit.hasExpired();) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    EXPECT_FALSE(window->isMinimized());
    EXPECT_TRUE(window->isActiveWindow());
    window->close();
}

}  // namespace

#endif
