// Closing the window ends the program with status 0. Headless, no other
// process can click the close button and the program has no hook to ask it
// to close; so a fresh child of the test runner runs the program's own
// start-up (SubMain, then the event loop, as main() does), closes the window
// the way the window system does, and the test checks how the child ends.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWindow>
#include <cstdlib>

#include "app/ModCommonProc.h"
#include "e2e/VelkaraProcess.h"
#include "window/frmCalc.h"

namespace {

[[noreturn]] void RunProgramAndCloseItsWindow() {
    ModCommonProc::SubMain();
    if (!ModCommonProc::IsWindowOpen()) std::exit(90);
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<frmCalc*>(widget) && widget->isVisible() && widget->windowHandle()) {
            QWindow* window = widget->windowHandle();
            QTimer::singleShot(0, window, [window] { window->close(); });
            std::exit(QApplication::exec());
        }
    }
    std::exit(91);
}

using WindowCloseDeathTest = e2e::EndToEnd;

TEST_F(WindowCloseDeathTest, ClosingTheWindowEndsTheProgramWithStatusZero) {
    // A fresh process, not a fork: the child needs its own display connection.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(RunProgramAndCloseItsWindow(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
