// Mounting sheets written into one PDF, as a list's points stream in:
// sheets per second (items_per_second), the file committed at the end of
// each batch.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include "OffscreenBenchmarkMain.h"
#include "sheet/SheetPdfWriter.h"

namespace {

SheetStyle StyleOf(bool japanese) {
    SheetStyle style;
    style.fontFamily = japanese ? QStringLiteral(u"ＭＳ ゴシック") : QStringLiteral("Arial");
    style.made = QDateTime(QDate(2025, 3, 14), QTime(9, 30), Qt::UTC);
    style.programLine = QStringLiteral("Velkara 1.1.0");
    style.texts.heading = QStringLiteral(u"取付けシート");
    style.texts.printNote = QStringLiteral(u"実際のサイズ (100 %) で印刷してください。");
    style.texts.oppositeSide = style.texts.checkBar = style.texts.join = QStringLiteral("%1");
    return style;
}

// TB_01/TC_01 on 114.3 x 6.0 carbon steel with water, V method: nine
// entries, one strip.
SheetPage TypicalSheet() {
    SheetPage page;
    page.title = QStringLiteral(u"P-101 ポンプ吐出");
    for (const char16_t* caption :
         {u"外径寸法", u"配管厚さ", u"配管材質", u"配管音速", u"ﾗｲﾆﾝｸﾞ材質", u"流体種類",
          u"流体音速", u"ｾﾝｻ種類", u"ｾﾝｻ取付け法"}) {
        page.entries.emplace_back(QString::fromUtf16(caption), QStringLiteral("114.3 mm"));
    }
    page.resultCaption = QStringLiteral(u"取付け寸法1");
    page.resultText = QStringLiteral("65.47");
    page.geometry = {114.3, 6.0, 0.0, 65.47, 2, true};
    return page;
}

void BM_WriteSheets(benchmark::State& state, bool japanese) {
    constexpr int kSheetsPerFile = 100;
    const SheetStyle style = StyleOf(japanese);
    const SheetPage page = TypicalSheet();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sheets.pdf"));
    for (auto _ : state) {
        SheetPdfWriter writer(style);
        QString error;
        if (!writer.Open(path, &error)) state.SkipWithError(error.toStdString().c_str());
        for (int i = 0; i < kSheetsPerFile; ++i) writer.AddSheet(page);
        if (!writer.Finish(&error)) state.SkipWithError(error.toStdString().c_str());
    }
    state.SetItemsProcessed(state.iterations() * kSheetsPerFile);
}

BENCHMARK_CAPTURE(BM_WriteSheets, japanese, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WriteSheets, english, false)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return OffscreenBenchmarkMain<QGuiApplication>(argc, argv);
}
