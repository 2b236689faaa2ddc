// One application object for the whole run, headless unless told otherwise:
// a widget one where widgets are tested, none where only the layers below
// them are.
#include <gtest/gtest.h>

#if defined(VELKARA_WIDGET_TESTS)
#include <QApplication>
#endif

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
#if defined(VELKARA_WIDGET_TESTS)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
#endif
    return RUN_ALL_TESTS();
}
