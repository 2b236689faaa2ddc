// Closing the window ends the program with status 0.
//
// Under the headless platform no other process can click the window's close
// button, and the program has no signal handling or test hook to ask it to
// close. So this runs the program's own start-up (SubMain, then the event
// loop, as main() does) in a fresh child process of the test runner, closes
// the window the way the window system does, and checks how the child ends.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdlib>

#include "app/ModCommonProc.h"
#include "e2e/EndToEndFixture.h"
#include "window/frmCalc.h"

namespace {

QWidget* OpenCalculatorWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<frmCalc*>(widget) != nullptr && widget->isVisible()) return widget;
    }
    return nullptr;
}

// Runs in the child: start as main() does, close the window from the event
// loop, and end with what the event loop returns.
[[noreturn]] void RunProgramAndCloseItsWindow() {
    ModCommonProc::SubMain();
    if (!ModCommonProc::IsWindowOpen()) std::exit(90);
    QWidget* window = OpenCalculatorWindow();
    if (window == nullptr || window->windowHandle() == nullptr) std::exit(91);
    QTimer::singleShot(0, window->windowHandle(), [window] { window->windowHandle()->close(); });
    std::exit(QApplication::exec());
}

using WindowCloseDeathTest = e2e::EndToEnd;

TEST_F(WindowCloseDeathTest, ClosingTheWindowEndsTheProgramWithStatusZero) {
    // A fresh process, not a fork of this one: the child needs its own
    // application object and display connection.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(RunProgramAndCloseItsWindow(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
