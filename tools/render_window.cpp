// velkara_render_window <out.png> <lang 0|1> <unit 0|1> [pipe-size-table|water-temperature]
//
// Builds the calculator window with the given language and unit system on
// the offscreen platform and saves its client area as a PNG; with
// "pipe-size-table", the pipe size dialog of that window, on SGP 100A; with
// "water-temperature", the water temperature dialog with 20 typed.
#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <cstdio>
#include <string_view>
#include <vector>

#include "settings/ModCommonProc.h"
#include "window/PipeSizeDialog.h"
#include "window/WaterTemperatureDialog.h"
#include "window/frmCalc.h"

namespace {

QPixmap Shown(QWidget& widget) {
    widget.show();
    QApplication::processEvents();
    return widget.grab();
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view dialog = argc == 5 ? argv[4] : "";
    if ((argc != 4 && argc != 5) ||
        (argc == 5 && dialog != "pipe-size-table" && dialog != "water-temperature")) {
        std::fprintf(stderr,
                     "usage: %s <out.png> <lang 0|1> <unit 0|1> "
                     "[pipe-size-table|water-temperature]\n",
                     argv[0]);
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

    const StartupValues startup = ModCommonProc::FncStartupValues(static_cast<std::int16_t>(unit),
                                                                  static_cast<std::int16_t>(lang));
    frmCalc window(startup);
    QPixmap image = Shown(window);
    if (dialog == "pipe-size-table") {
        const std::size_t sgp = FncFindPipeSchedule(u"SGP").value_or(0);
        const std::size_t size = FncFindPipeSize(PipeSchedules()[sgp], u"100A").value_or(0);
        PipeSizeDialog sizes(startup, PipeSizePick{sgp, size}, &window);
        image = Shown(sizes);
    } else if (dialog == "water-temperature") {
        WaterTemperatureDialog water(startup, &window);
        Shown(water);
        water.findChild<QLineEdit*>()->insert(QStringLiteral("20"));
        image = Shown(water);
    }
    if (!image.save(outPath, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
