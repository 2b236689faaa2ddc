// What the user sees, pinned once: the window rendered again headless by the
// screenshot tool must equal the README's screenshots pixel for pixel. On a
// difference, the rendering and a map of the differing pixels (red over a
// dimmed copy) are left beside the test binary.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QProcess>

namespace {

TEST(WindowScreenshots, RenderedAgainEachEqualsTheCommittedOne) {
    for (const auto& [name, lang, unit] :
         {std::tuple{"window-ja-metric", "0", "0"}, std::tuple{"window-en-inch", "1", "1"}}) {
        const QString committed = QStringLiteral(VELKARA_DOCS_DIR "/%1.png").arg(name);
        const QString out = QCoreApplication::applicationDirPath() + '/' + name;
        QFile::remove(out + ".diff.png");
        QProcess tool;
        tool.start(QStringLiteral(VELKARA_RENDER_TOOL), {out + ".rendered.png", lang, unit});
        ASSERT_TRUE(tool.waitForFinished(-1) && tool.exitCode() == 0) << name;
        const QImage expected = QImage(committed).convertToFormat(QImage::Format_ARGB32);
        const QImage rendered =
            QImage(out + ".rendered.png").convertToFormat(QImage::Format_ARGB32);
        ASSERT_TRUE(!expected.isNull() && rendered.size() == expected.size()) << name;
        QImage map = expected;
        int differing = 0;
        for (int y = 0; y < map.height(); ++y) {
            for (int x = 0; x < map.width(); ++x) {
                const bool same = expected.pixel(x, y) == rendered.pixel(x, y);
                differing += same ? 0 : 1;
                map.setPixel(x, y,
                             same ? QColor(map.pixel(x, y)).darker(130).rgb() : qRgb(255, 0, 0));
            }
        }
        if (differing == 0 && QFile::remove(out + ".rendered.png")) continue;
        map.save(out + ".diff.png");
        ADD_FAILURE() << differing << " pixels differ from " << committed.toStdString()
                      << "\n  rendered:   " << out.toStdString() << ".rendered.png"
                      << "\n  difference: " << out.toStdString() << ".diff.png";
    }
}

}  // namespace
