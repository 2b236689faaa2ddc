// A list of measuring points in the window: opening it (read, computed and
// shown in the list window, painted once), saving it with its results, and
// writing its mounting sheets. Rows and sheets per second; runs headless.
// The list is of the typical points velkara-spacing is measured on: metric,
// a tag, four named columns, one row in eight refused.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "OffscreenBenchmarkMain.h"
#include "settings/ModCommonProc.h"
#include "sheet/SheetPdfWriter.h"
#include "sheet/SheetTextsOf.h"
#include "window/ListDocument.h"
#include "window/ListWindow.h"
#include "window/frmCalc.h"

namespace {

QString WriteList(const QTemporaryDir& folder, int rows) {
    const QString path = QDir(folder.path()).filePath(QStringLiteral("points-%1.csv").arg(rows));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    QByteArray text = "tag,outer-diameter,wall,pipe,sensor\n";
    const char* const sensors[] = {"TB_01/TC_01", "TA_01", "TD_02", "TB_04/TC_04"};
    for (int row = 0; row < rows; ++row) {
        text += "FT-" + QByteArray::number(row) + ',' + QByteArray::number(60 + row % 900) + ',' +
                (row % 8 == 7 ? "200" : QByteArray::number(3 + row % 5)) + ",CARBON STEEL," +
                sensors[row % 4] + '\n';
    }
    file.write(text);
    return path;
}

const StartupValues kStartup = ModCommonProc::FncStartupValues(0, 1);

void BM_OpenAndShow(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = WriteList(folder, int(state.range(0)));
    frmCalc window(kStartup);
    window.show();
    for (auto _ : state) {
        window.OpenList(path);
        auto* list = window.findChild<ListWindow*>();
        QApplication::processEvents();
        benchmark::DoNotOptimize(list->grab());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_SaveList(benchmark::State& state) {
    QTemporaryDir folder;
    const auto read = ReadListDocument(WriteList(folder, int(state.range(0))), kStartup);
    const ListDocument& list = *std::get<std::shared_ptr<const ListDocument>>(read);
    for (auto _ : state) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QString error;
        benchmark::DoNotOptimize(WriteSpacingList(list, kStartup, out, &error));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_SaveSheets(benchmark::State& state) {
    QTemporaryDir folder;
    const auto read = ReadListDocument(WriteList(folder, int(state.range(0))), kStartup);
    const ListDocument& list = *std::get<std::shared_ptr<const ListDocument>>(read);
    const ListRowSheets sheets(kStartup);
    std::int64_t pages = 0;
    for (auto _ : state) {
        SheetPdfWriter writer(FncSheetStyle(kStartup, QDateTime::currentDateTime()));
        QString error;
        writer.Open(QDir(folder.path()).filePath(QStringLiteral("sheets.pdf")), &error);
        for (std::size_t row = 0; row < list.shown.size(); ++row) {
            if (!list.refused[row]) writer.AddSheet(sheets.PageOf(list, row)), ++pages;
        }
        writer.Finish(&error);
    }
    state.SetItemsProcessed(pages);
}

BENCHMARK(BM_OpenAndShow)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SaveList)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SaveSheets)->Arg(40)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    return OffscreenBenchmarkMain<QApplication>(argc, argv);
}
