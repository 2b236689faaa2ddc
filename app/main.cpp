#include <QApplication>

#include "app/startup/SubMain.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ModCommonProc::SubMain();
    if (!ModCommonProc::IsWindowOpen()) return 0;
    return app.exec();
}
