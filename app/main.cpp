#include <QApplication>

#include "app/SubMain.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Goes before the application object, with the window if still open.
    const auto copy = ModCommonProc::SubMain();
    if (!copy) return 0;
    return app.exec();
}
