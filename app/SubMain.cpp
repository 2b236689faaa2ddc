// Start-up: the one-copy rule, the start-up values and the window.

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <memory>

#include "app/SingleInstance.h"
#include "app/SubMain.h"
#include "settings/ModCommonProc.h"
#include "window/frmCalc.h"

namespace ModCommonProc {

namespace {

// Held for the whole run: while it lives, no second copy starts.
std::unique_ptr<SingleInstance> instanceGuard;

// Deleted when the user closes it; the last window closed ends the program.
QPointer<frmCalc> calcWindow;

void CentreOnPrimaryScreen(QWidget& window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect available = screen->availableGeometry();
    QPoint topLeft =
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(), available).topLeft();
    // On a screen smaller than the window, keep the title bar within reach.
    topLeft.setX(std::max(topLeft.x(), available.left()));
    topLeft.setY(std::max(topLeft.y(), available.top()));
    window.move(topLeft);
}

// A later start of the same user asks for the window: the user picked the
// program again because the window is hidden, so it comes back in front.
void BringWindowForward() {
    if (calcWindow.isNull()) return;
    calcWindow->setWindowState(calcWindow->windowState() & ~Qt::WindowMinimized);
    calcWindow->show();
    calcWindow->raise();
    calcWindow->activateWindow();
}

}  // namespace

void SubMain() {
    instanceGuard = std::make_unique<SingleInstance>();
    if (instanceGuard->AnotherCopyRunning()) return;
    instanceGuard->SetBringForwardHandler(BringWindowForward);

    calcWindow = new frmCalc(FncLoadStartupValues(QCoreApplication::applicationDirPath()));
    calcWindow->setAttribute(Qt::WA_DeleteOnClose);
    CentreOnPrimaryScreen(*calcWindow);
    // A window still open when the application quits by other means goes
    // before the application object does.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] { delete calcWindow.data(); });
    calcWindow->show();
}

bool IsWindowOpen() {
    return !calcWindow.isNull();
}

}  // namespace ModCommonProc
