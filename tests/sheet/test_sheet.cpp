// The mounting sheet read back from the PDF as a reader and a printer see
// it: its text with poppler's pdftotext, its paper with pdfinfo, and the
// marking strips' red marks measured on the page rendered at 10 pixels per
// millimetre, which is what they are on paper printed at actual size.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFont>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <vector>

#include "sheet/MarkingStrip.h"
#include "sheet/SheetPdfWriter.h"
#include "sheet/SheetSections.h"
#include "support/Poppler.h"
#include "support/TestSupport.h"

namespace {

SheetStyle Style(bool japanese, Units units) {
    // The window's stand-in on Linux, whose glyphs PDF readers misread.
    QFont::insertSubstitution(QStringLiteral(u"ＭＳ ゴシック"), QStringLiteral("Noto Sans CJK JP"));
    SheetStyle style;
    style.format = {units, kUs};
    style.fontFamily = japanese ? QStringLiteral(u"ＭＳ ゴシック") : QStringLiteral("Arial");
    style.made = QDateTime(QDate(2025, 3, 14), QTime(9, 30), Qt::UTC);
    style.programLine = QStringLiteral("Velkara 1.1.0");
    SheetTexts& t = style.texts;
    t.entriesHeading = japanese ? QStringLiteral(u"入力値") : QStringLiteral("ENTRIES");
    t.oppositeSide = QStringLiteral("<%1>");
    t.checkBar = QStringLiteral("BAR=%1");
    t.join = QStringLiteral("JOIN%1");
    // Short enough that a short strip's end label, placed past its mark, would
    // just fit between the marks without the margin that keeps it apart.
    t.firstSensor = QStringLiteral("S1");
    t.secondSensor = QStringLiteral("SEC");
    t.refusedHeading = QStringLiteral("REFUSED");
    t.refusedTag = QStringLiteral("TAGS");
    t.refusedMessage = QStringLiteral("WHY");
    return style;
}

SheetPage Page(const char* result, double spacingMm, int traverses, const char* steps = "") {
    SheetPage page;
    page.title = QStringLiteral(u"P-101 ポンプ");
    page.entries = {
        {QStringLiteral(u"外径寸法"), QStringLiteral("114.3 mm")},
        {QStringLiteral(u"流体種類"), QStringLiteral(u"水")},
        // each too long for its column: cut short before the next
        {QStringLiteral("SENSOR MOUNT AS CHOSEN FOR THIS PIPE"),
         QStringLiteral("Z METHOD: SENSORS ON OPPOSITE SIDES, THE BEAM CROSSING ONCE")}};
    page.resultText = QString::fromLatin1(result);
    page.stepsText = QString::fromLatin1(steps);
    page.geometry = {114.3, 6.0, 0.0, spacingMm, traverses, traverses % 2 == 0};
    return page;
}

// For each band of pixel rows that exactly two red lines cross (a strip),
// the distance of their centres in millimetres.
std::vector<double> MarkDistances(const QImage& image) {
    std::vector<double> strips, band;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        std::vector<double> centres;
        double sum = 0, weight = 0;
        for (int x = 0; x <= image.width(); ++x) {
            const QRgb p = x < image.width() ? row[x] : 0;
            const int red = qRed(p) - std::max(qGreen(p), qBlue(p));
            if (red > 60) {
                sum += red * (x + 0.5);
                weight += red;
            } else if (weight > 0) {
                centres.push_back(sum / weight);
                sum = weight = 0;
            }
        }
        if (centres.size() == 2) band.push_back((centres[1] - centres[0]) / 100.0);
        if (centres.size() != 2 && !band.empty()) {
            std::nth_element(band.begin(), band.begin() + band.size() / 2, band.end());
            strips.push_back(band[band.size() / 2]);
            band.clear();
        }
    }
    return strips;
}

// Where pdftotext -bbox puts `word`, in millimetres: its `edge` (xMin, yMin).
double WordEdgeMm(const QString& boxes, const QString& word, const char* edge) {
    const QRegularExpression at(QString(edge) + "=\"([\\d.]+)\"[^>]*>" + word + "</word>");
    const QRegularExpressionMatch found = at.match(boxes);
    return found.hasMatch() ? found.captured(1).toDouble() * 25.4 / 72 : NAN;
}

// Words that pdftotext -bbox finds printed over one another on a page, as "a/b, c/d".
QString OverlappingWords(const QString& boxes) {
    const QRegularExpression word(
        R"re(xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)re");
    QStringList overlapping;
    for (const QString& page : boxes.split("<page ")) {
        std::vector<std::pair<QRectF, QString>> words;
        for (const QRegularExpressionMatch& m : word.globalMatch(page)) {
            words.push_back({QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                    QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())),
                             m.captured(5)});
        }
        for (std::size_t a = 0; a < words.size(); ++a) {
            for (std::size_t b = a + 1; b < words.size(); ++b) {
                if (words[a].first.intersected(words[b].first).width() > 0.5)
                    overlapping << words[a].second + '/' + words[b].second;
            }
        }
    }
    return overlapping.join(", ");
}

// The middle, in millimetres, of a line of two words as pdftotext -bbox puts them.
double MiddleMm(const QString& boxes, const QString& first, const QString& second) {
    const QRegularExpression line("xMin=\"([\\d.]+)\"[^>]*>" + first +
                                  "</word>\\s*<word[^>]*xMax=\"([\\d.]+)\"[^>]*>" + second +
                                  "</word>");
    const QRegularExpressionMatch found = line.match(boxes);
    if (!found.hasMatch()) return NAN;
    return (found.captured(1).toDouble() + found.captured(2).toDouble()) / 2 * 25.4 / 72;
}

struct SheetCase {
    const char* name;
    bool japanese;
    Units units;
    SheetPage page;
    const char* paper;  // as pdfinfo gives it
    int pages;
    std::size_t strips;
    std::vector<const char16_t*> texts;
};

void PrintTo(const SheetCase& c, std::ostream* os) {
    *os << c.name;
}

class SheetRead : public testing::TestWithParam<SheetCase> {};

TEST_P(SheetRead, TextPaperAndStripMarksAsPrinted) {
    if (PopplerMissing()) GTEST_SKIP() << "poppler-utils are not installed";
    const SheetCase& c = GetParam();
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral(u"取付け シート.pdf"));
    QString error;
    ASSERT_TRUE(WriteSheetPdf(pdf, {&c.page, 1}, {}, Style(c.japanese, c.units), &error)) << error;
    EXPECT_LT(QFile(pdf).size(), 300 * 1024);
    const QString info = Poppler("pdfinfo", {pdf});
    EXPECT_EQ(PdfPages(pdf), c.pages);
    EXPECT_TRUE(info.contains(QLatin1String(c.paper))) << info;
    const QString text = Poppler("pdftotext", {pdf, "-"});
    for (const char16_t* expected : c.texts) {
        EXPECT_TRUE(text.contains(QString::fromUtf16(expected))) << QString::fromUtf16(expected);
    }
    EXPECT_FALSE(text.contains("JOIN0"));  // the joints between strips count from 1
    // The bar that proves the print's scale, 100 mm or 4 inch from the
    // content's left edge, has its label 3 mm past its end.
    const QString words = Poppler("pdftotext", {"-bbox", pdf, "-"});
    const bool metric = c.units == Units::Metric;
    EXPECT_NEAR(
        WordEdgeMm(words, metric ? "BAR=100" : "BAR=4", "xMin") - ContentArea(c.units).left(),
        (metric ? 100 : 4 * 25.4) + 3, 0.5);
    EXPECT_EQ(OverlappingWords(words), "");
    if (!c.page.stepsText.isEmpty()) {  // the steps centred under the result
        EXPECT_NEAR(MiddleMm(words, ":", c.page.stepsText),
                    MiddleMm(words, c.page.resultText, "mm"), 0.2);
    }

    double marked = 0;
    std::size_t strips = 0;
    for (int p = 1; p <= c.pages; ++p) {
        const QString png = folder.filePath(QStringLiteral("page"));
        Poppler("pdftoppm", {"-rx", "2540", "-ry", "25.4", "-png", "-singlefile", "-f",
                             QString::number(p), "-l", QString::number(p), pdf, png});
        for (double piece :
             MarkDistances(QImage(png + ".png").convertToFormat(QImage::Format_RGB32))) {
            marked += piece;
            ++strips;
        }
    }
    EXPECT_EQ(strips, c.strips);
    EXPECT_NEAR(marked, c.page.geometry.spacingMm, 0.1);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Sheets, SheetRead,
    testing::Values(
        SheetCase{"JapaneseMetricV", true, Units::Metric, Page("65.47", 65.47, 2), "595 x 842", 1, 1,
                  {u"65.47 mm", u"入力値", u"外径寸法", u"水", u"P-101 ポンプ", u"2025-03-14 09:30"}},
        SheetCase{"InchZOppositeHalfwayRound", false, Units::Inch, Page("0.899", 0.899 * 25.4, 1), "612 x 792", 1, 1,
                  {u"0.899 inch", u"<7.068 inch>", u"Velkara 1.1.0", u"水", u"\nSEC 0.899 inch"}},
        SheetCase{"RailStepsN", false, Units::Metric, Page("75", 75, 3, "25"), "595 x 842", 1, 1,
                  {u"75 mm", u": 25", u"<179.54 mm>", u"Z METHOD"}},
        SheetCase{"LongOverStrips", false, Units::Metric, Page("832.54", 832.54, 4), "595 x 842", 1, 5,
                  {u"JOIN1", u"JOIN4"}},
        SheetCase{"LongerThanItsPage", true, Units::Metric, Page("3,000.00", 3000, 4), "595 x 842", 2, 18,
                  {u"3,000.00 mm"}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// A strip's longest piece fits the page between its leads (6 mm each side),
// a whole number of 10 mm or half inches; what is not a length gets its two
// marks on one spot, not endless strips.
TEST(MarkingStrip, PiecesFitThePageNotALengthGetsItsMarksOnOneSpot) {
    EXPECT_EQ(LongestPiece(180, RulerScaleOf(Units::Metric)), 160);  // 168 mm of room
    EXPECT_EQ(LongestPiece(180, RulerScaleOf(Units::Inch)), 6.5);    // 6.61 inch of room
    for (const double spacing : {double(NAN), double(INFINITY)}) {
        const std::vector<StripPiece> pieces = SplitSpacing(spacing, 100);
        EXPECT_EQ(pieces.size(), 1u) << spacing;
        EXPECT_EQ(pieces.empty() ? -1 : pieces.back().to, 0) << spacing;
    }
}

// A list's sheets streamed one by one, then its refused rows, over as many
// pages as they take (here four) and every row on one; a tag too long for its
// column is cut short there.
TEST(SheetPdfWriter, ThousandSheetsThenTheRefusedRows) {
    if (PopplerMissing()) GTEST_SKIP() << "poppler-utils are not installed";
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("list.pdf"));
    SheetPdfWriter writer(Style(false, Units::Metric));
    QString error;
    ASSERT_TRUE(writer.Open(pdf, &error)) << error;
    for (int i = 0; i < 1000; ++i) writer.AddSheet(Page("65.47", 65.47, 2));
    std::vector<RefusedRow> refused(150, {"P-8", "The value is outside of range"});
    refused.front().tag = "P-7 " + QString(60, u'W');
    refused[100].tag = "P-100";
    refused.back().tag = "P-149";
    writer.AddRefusedRows(refused);
    ASSERT_TRUE(writer.Finish(&error)) << error;
    EXPECT_EQ(PdfPages(pdf), 1004);
    const QString first = Poppler("pdftotext", {"-f", "1001", "-l", "1001", pdf, "-"});
    EXPECT_TRUE(first.contains("REFUSED") && first.contains("P-7 WWW") &&
                first.contains("The value is outside of range"))
        << first;
    const QString rest = Poppler("pdftotext", {"-f", "1002", "-l", "1004", pdf, "-"});
    EXPECT_TRUE(rest.contains("P-100") && rest.contains("P-149")) << rest;
    // The column captions of the refused rows stand on one line, the tags under theirs;
    // nothing runs into the next column.
    const QString words = Poppler("pdftotext", {"-bbox", "-f", "1001", "-l", "1001", pdf, "-"});
    EXPECT_NEAR(WordEdgeMm(words, "TAGS", "yMin"), WordEdgeMm(words, "WHY", "yMin"), 0.1);
    EXPECT_NEAR(WordEdgeMm(words, "P-8", "xMin"), WordEdgeMm(words, "TAGS", "xMin"), 0.5);
    EXPECT_EQ(OverlappingWords(words), "");
}

// A file that cannot be made reports why; one abandoned halfway leaves the
// old file as it was and nothing beside it.
TEST(SheetPdfWriter, FailedOrAbandonedLeavesNothingBehind) {
    QTemporaryDir folder;
    QString error;
    const QString nowhere = folder.filePath(QStringLiteral("missing/sheet.pdf"));
    EXPECT_FALSE(WriteSheetPdf(nowhere, {}, {}, Style(false, Units::Metric), &error));
    QFile probe(nowhere);
    probe.open(QIODevice::WriteOnly);
    EXPECT_EQ(error, probe.errorString());
    EXPECT_FALSE(QFile::exists(nowhere));

    const QString old = folder.filePath(QStringLiteral("old.pdf"));
    QFile file(old);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("old") == 3);
    file.close();
    {
        SheetPdfWriter writer(Style(true, Units::Metric));
        ASSERT_TRUE(writer.Open(old, &error)) << error;
        writer.AddSheet(Page("65.47", 65.47, 2));
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "old");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"old.pdf"});

    // A folder put in the file's place while it was written: the sheet fails.
    SheetPdfWriter writer(Style(true, Units::Metric));
    ASSERT_TRUE(writer.Open(folder.filePath(QStringLiteral("taken.pdf")), &error)) << error;
    writer.AddSheet(Page("65.47", 65.47, 2));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("taken.pdf")));
    error.clear();
    EXPECT_FALSE(writer.Finish(&error));
    EXPECT_FALSE(error.isEmpty());
}

}  // namespace
