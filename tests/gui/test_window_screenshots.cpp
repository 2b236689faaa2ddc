// What the user sees, pinned once: the window rendered again headless by the
// screenshot tool must equal the README's screenshots pixel for pixel. On a
// difference, the rendering and a map of the differing pixels are left
// beside the test binary.

#include <gtest/gtest.h>

#include <QColor>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QProcess>

namespace {

// Differing pixels in red over a faded copy of the expected image.
QImage DifferenceMap(const QImage& expected, const QImage& rendered, int& differing) {
    QImage map(expected.size(), QImage::Format_RGB32);
    differing = 0;
    for (int y = 0; y < map.height(); ++y) {
        for (int x = 0; x < map.width(); ++x) {
            const bool same = expected.pixel(x, y) == rendered.pixel(x, y);
            differing += same ? 0 : 1;
            map.setPixel(x, y,
                         same ? QColor(expected.pixel(x, y)).lighter(160).rgb() : qRgb(255, 0, 0));
        }
    }
    return map;
}

TEST(WindowScreenshots, RenderedAgainEachEqualsTheCommittedOne) {
    const struct {
        const char *name, *lang, *unit;
    } shots[] = {{"window-ja-metric", "0", "0"}, {"window-en-inch", "1", "1"}};
    for (const auto& shot : shots) {
        SCOPED_TRACE(shot.name);
        const QString committed = QStringLiteral(VELKARA_DOCS_DIR "/%1.png").arg(shot.name);
        const QString base = QCoreApplication::applicationDirPath() + '/' + shot.name;
        const QString renderedPath = base + ".rendered.png", diffPath = base + ".diff.png";
        QFile::remove(diffPath);
        QProcess tool;
        tool.start(QStringLiteral(VELKARA_RENDER_TOOL), {renderedPath, shot.lang, shot.unit});
        ASSERT_TRUE(tool.waitForFinished(-1) && tool.exitStatus() == QProcess::NormalExit &&
                    tool.exitCode() == 0)
            << tool.readAllStandardError().toStdString();
        const QImage expected = QImage(committed).convertToFormat(QImage::Format_ARGB32);
        const QImage rendered = QImage(renderedPath).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(expected.isNull()) << committed.toStdString();
        ASSERT_EQ(rendered.size(), expected.size()) << "rendered: " << renderedPath.toStdString();
        int differing = 0;
        const QImage map = DifferenceMap(expected, rendered, differing);
        if (differing == 0) {
            QFile::remove(renderedPath);
            continue;
        }
        map.save(diffPath);
        ADD_FAILURE() << differing << " pixels differ from " << committed.toStdString()
                      << "\n  rendered:   " << renderedPath.toStdString()
                      << "\n  difference: " << diffPath.toStdString();
    }
}

}  // namespace
