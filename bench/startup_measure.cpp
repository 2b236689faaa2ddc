// Start-up time and peak memory of the calculator window next to a bare Qt
// window with one label, each started as a fresh process.
//
//   startup_measure [runs]          runs every mode `runs` times (default 20),
//                                   alternating, and prints medians and ratios
//   startup_measure child MODE T0   one measured start (used by the above)
//
// A child measures from T0, the driver's CLOCK_MONOTONIC reading just before
// it spawned the child (so loading and linking the program count), to the end
// of the window's first paint, and reads its peak resident memory (VmHWM)
// there. Modes:
//   velkara     start-up as SubMain does it: one-copy rule, settings from a
//               program folder without Velkara.ini (Japanese, metric), the
//               window built, sized, centred and shown
//   velkara-en  the same with a Velkara.ini selecting English texts and inches
//   bare        a QWidget of the same size with one QLabel ("Velkara")
//   bare-ja     the same with a Japanese label text, so that the Japanese
//               font is loaded as in the calculator's default mode
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "ChildRun.h"
#include "MeasureCommon.h"
#include "app/SingleInstance.h"
#include "settings/ModCommonProc.h"
#include "window/frmCalc.h"

namespace {

const char* const kModes[] = {"bare", "bare-ja", "velkara", "velkara-en"};

long PeakResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

void Centre(QWidget& window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        window.move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                        screen->availableGeometry())
                        .topLeft());
    }
}

// Reports once the window's first paint (of itself and all its children,
// which the same repaint pass paints) is done.
class FirstPaintReporter : public QObject {
public:
    FirstPaintReporter(const char* mode, long long t0) : mode_(mode), t0_(t0) {}
    // Phase marks: the application object made, the window built.
    long long appReadyNs = 0;
    long long windowBuiltNs = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, this, [this] { Report(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Report() {
        const long long elapsedUs = (MonotonicNs() - t0_) / 1000;
        std::printf("%s %lld %ld %lld %lld\n", mode_, elapsedUs, PeakResidentKb(),
                    (appReadyNs - t0_) / 1000, (windowBuiltNs - t0_) / 1000);
        std::fflush(stdout);
        // Tear-down is not part of start-up.
        std::_Exit(0);
    }

    const char* mode_;
    long long t0_;
    bool seen_ = false;
};

int RunChild(int argc, char** argv, const char* mode, long long t0) {
    QApplication app(argc, argv);
    FirstPaintReporter reporter(mode, t0);
    reporter.appReadyNs = MonotonicNs();
    std::unique_ptr<QWidget> window;
    std::unique_ptr<SingleInstance> oneCopy;
    QTemporaryDir programFolder;

    if (std::strncmp(mode, "velkara", 7) == 0) {
        // A name of its own, so measuring never meets a running program.
        oneCopy = std::make_unique<SingleInstance>(
            QStringLiteral("velkara-startup-measure-%1").arg(::getpid()));
        if (std::strcmp(mode, "velkara-en") == 0) {
            QFile ini(QDir(programFolder.path()).filePath(QStringLiteral("Velkara.ini")));
            if (ini.open(QIODevice::WriteOnly)) ini.write("[SYSTEM]\nUNIT_FLAG=1\nLANG_FLAG=1\n");
        }
        window =
            std::make_unique<frmCalc>(ModCommonProc::FncLoadStartupValues(programFolder.path()));
    } else {
        window = std::make_unique<QWidget>();
        auto* label = new QLabel(window.get());
        label->setText(std::strcmp(mode, "bare-ja") == 0 ? QStringLiteral("センサ取付間隔計算")
                                                         : QStringLiteral("Velkara"));
        label->move(20, 20);
    }
    window->setFixedSize(926, 471);
    Centre(*window);
    reporter.windowBuiltNs = MonotonicNs();
    window->installEventFilter(&reporter);
    window->show();
    return app.exec();
}

struct Sample {
    long long us = 0;
    long kb = 0;
    long long appUs = 0;    // until QApplication exists
    long long builtUs = 0;  // until the window is built, before show()
};

bool RunOnce(const char* self, const char* mode, Sample& sample) {
    ChildRun run;
    if (!RunChild(self, {"child", mode, std::to_string(MonotonicNs())}, {}, run)) return false;
    char name[32] = {};
    return std::sscanf(run.output.c_str(), "%31s %lld %ld %lld %lld", name, &sample.us, &sample.kb,
                       &sample.appUs, &sample.builtUs) == 5;
}

int RunDriver(int runs) {
    char self[4096] = {};
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) return 1;
    std::map<std::string, std::vector<Sample>> samples;
    for (int run = 0; run < runs; ++run) {
        for (const char* mode : kModes) {
            Sample sample;
            if (!RunOnce(self, mode, sample)) {
                std::fprintf(stderr, "start of mode %s failed\n", mode);
                return 1;
            }
            samples[mode].push_back(sample);
        }
    }

    std::printf("machine: %u cores, %s; QT_QPA_PLATFORM=%s; %d runs per mode\n",
                std::thread::hardware_concurrency(), CpuModel().c_str(),
                qEnvironmentVariable("QT_QPA_PLATFORM").toLocal8Bit().constData(), runs);
    std::printf("%-11s %14s %14s %14s %16s\n", "mode", "start-up (ms)", "app made (ms)",
                "built (ms)", "peak RSS (MiB)");
    std::map<std::string, std::pair<double, double>> medians;
    for (const char* mode : kModes) {
        std::vector<long long> us;
        std::vector<long> kb;
        std::vector<long long> appUs;
        std::vector<long long> builtUs;
        for (const Sample& s : samples[mode]) {
            us.push_back(s.us);
            kb.push_back(s.kb);
            appUs.push_back(s.appUs);
            builtUs.push_back(s.builtUs);
        }
        const double ms = Median(us) / 1000.0;
        const double mib = Median(kb) / 1024.0;
        medians[mode] = {ms, mib};
        std::printf("%-11s %14.1f %14.1f %14.1f %16.1f\n", mode, ms, Median(appUs) / 1000.0,
                    Median(builtUs) / 1000.0, mib);
    }
    const auto ratio = [&](const char* a, const char* b) {
        std::printf("%-10s / %-8s time %.2fx  memory %.2fx\n", a, b,
                    medians[a].first / medians[b].first, medians[a].second / medians[b].second);
    };
    ratio("velkara", "bare");
    ratio("velkara", "bare-ja");
    ratio("velkara-en", "bare");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // A measuring tool, not the program: headless unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 4 && std::strcmp(argv[1], "child") == 0) {
        return RunChild(argc, argv, argv[2], std::atoll(argv[3]));
    }
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    return RunDriver(runs);
}
