// velkara_render_window <out.png> <lang 0|1> <unit 0|1>
//
// Builds the calculator window with the given language and unit system on
// the offscreen platform and saves its client area as a PNG.
#include <QApplication>
#include <QPixmap>
#include <cstdio>
#include <vector>

#include "settings/ModCommonProc.h"
#include "window/frmCalc.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <out.png> <lang 0|1> <unit 0|1>\n", argv[0]);
        return 2;
    }
    const QString outPath = QString::fromLocal8Bit(argv[1]);
    bool langOk = false;
    bool unitOk = false;
    const int lang = QString::fromLatin1(argv[2]).toInt(&langOk);
    const int unit = QString::fromLatin1(argv[3]).toInt(&unitOk);
    if (!langOk || !unitOk) {
        std::fprintf(stderr, "lang and unit must be numbers (0 or 1)\n");
        return 2;
    }

    // No display needed: always render on the offscreen platform.
    std::vector<char*> qtArgs = {argv[0], const_cast<char*>("-platform"),
                                 const_cast<char*>("offscreen")};
    int qtArgc = static_cast<int>(qtArgs.size());
    QApplication app(qtArgc, qtArgs.data());

    frmCalc window(ModCommonProc::FncStartupValues(static_cast<std::int16_t>(unit),
                                                   static_cast<std::int16_t>(lang)));
    window.show();
    QApplication::processEvents();
    const QPixmap image = window.grab();
    if (!image.save(outPath, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
