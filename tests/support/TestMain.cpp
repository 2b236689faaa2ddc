// One application object for the whole run, headless unless told otherwise:
// a widget one where widgets are tested, one with fonts where pages are
// painted, none where only the layers below them are.
#include <gtest/gtest.h>

#if defined(VELKARA_WIDGET_TESTS)
#include <QApplication>
#elif defined(VELKARA_PAINT_TESTS)
#include <QGuiApplication>
#endif

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
#if defined(VELKARA_WIDGET_TESTS) || defined(VELKARA_PAINT_TESTS)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
#if defined(VELKARA_WIDGET_TESTS)
    QApplication app(argc, argv);
#elif defined(VELKARA_PAINT_TESTS)
    QGuiApplication app(argc, argv);
#endif
    return RUN_ALL_TESTS();
}
