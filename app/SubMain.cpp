// Start-up: the one-copy rule, the start-up values and the window.

#include "app/SubMain.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <algorithm>

#include "app/SingleInstance.h"
#include "settings/ModCommonProc.h"
#include "window/QtTexts.h"
#include "window/frmCalc.h"

namespace ModCommonProc {

namespace {

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
void BringWindowForward(QWidget* window) {
    if (window == nullptr) return;
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

// The list given at start (`velkara plan.csv`, "Open with", a file dropped
// on the program's icon), as a full path: the copy that opens it may run in
// another folder.
QString ListPathOfArguments(const QStringList& arguments) {
    if (arguments.size() < 2 || arguments[1].isEmpty()) return {};
    return QFileInfo(arguments[1]).absoluteFilePath();
}

}  // namespace

RunningCopy::RunningCopy(std::unique_ptr<SingleInstance> oneCopy, QWidget* window)
    : oneCopy_(std::move(oneCopy)), window_(window) {}

// The window goes before the name: no later start is answered by a copy
// whose window is gone.
RunningCopy::~RunningCopy() {
    delete window_.data();
}

std::unique_ptr<RunningCopy> SubMain(const QStringList& arguments) {
    const QString listPath = ListPathOfArguments(arguments);
    auto oneCopy = std::make_unique<SingleInstance>(SingleInstance::DefaultName(), listPath);
    if (oneCopy->AnotherCopyRunning()) return nullptr;

    const StartupValues startup = FncLoadStartupValues(QCoreApplication::applicationDirPath());
    // Before any widget asks Qt for a text of its own.
    UseQtTexts(startup.language);
    auto* window = new frmCalc(startup);
    window->setAttribute(Qt::WA_DeleteOnClose);
    CentreOnPrimaryScreen(*window);
    oneCopy->SetBringForwardHandler([window = QPointer<frmCalc>(window)](const QString& path) {
        BringWindowForward(window);
        if (window && !path.isEmpty()) window->OpenList(path);
    });
    window->show();
    // Once the event loop runs: a message that the file is no list has the
    // window to stand over.
    if (!listPath.isEmpty())
        QMetaObject::invokeMethod(
            window, [window, listPath] { window->OpenList(listPath); }, Qt::QueuedConnection);
    return std::make_unique<RunningCopy>(std::move(oneCopy), window);
}

}  // namespace ModCommonProc
