#include <QApplication>

#include "app/SubMain.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ModCommonProc::SubMain();
    if (!ModCommonProc::IsWindowOpen()) return 0;
    return app.exec();
}
