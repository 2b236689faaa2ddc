// Keyboard focus order and the number of characters each field takes.

#include <gtest/gtest.h>

#include <QTest>

#include "MessageBoxWatchdog.h"
#include "test_window_fixture.h"

namespace {

std::vector<QWidget*> FocusOrder(frmCalc& w) {
    return {w.OUTER_DIAMETERText,   w.PIPE_MATERIALCombo, w.TRANS_FREQUENCYText,
            w.WALL_THICKNESSText,   w.SENSOR_MOUNTCombo,  w.SENSOR_TYPECombo,
            w.LINING_MATERIALCombo, w.LINING_S_VText,     w.LINING_THICKNESSText,
            w.KIND_OF_FLUIDCombo,   w.FLUID_S_VText,      w.ExecuteCalcButton,
            w.txtResult1Text,       w.txtResult2Text};
}

void ShowAndActivate(frmCalc& w) {
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

TEST(WindowFocus, OpensInOuterDiameterAndTabsThroughTheFourteenControls) {
    MessageBoxWatchdog boxes;
    WindowUnderTest w(RunSettings{0, 0});
    ShowAndActivate(*w);
    const auto order = FocusOrder(*w);
    ASSERT_EQ(QApplication::focusWidget(), order.front());
    for (std::size_t i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), order[i])
            << "after " << i
            << " Tabs: " << QApplication::focusWidget()->objectName().toStdString();
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), order.front()) << "the order wraps around";
    for (std::size_t i = order.size() - 1; i > 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        ASSERT_EQ(QApplication::focusWidget(), order[i]) << "backwards at " << i;
    }
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST(WindowFocus, NoOtherControlTakesTheFocus) {
    WindowUnderTest w(RunSettings{1, 1});
    const auto order = FocusOrder(*w);
    for (QWidget* control : w->findChildren<QWidget*>()) {
        if (control->parentWidget() != &*w && control->parentWidget() != w->fraResult) continue;
        const bool listed = std::find(order.begin(), order.end(), control) != order.end();
        EXPECT_EQ(control->focusPolicy() != Qt::NoFocus, listed)
            << control->objectName().toStdString();
    }
}

struct LengthCase {
    QLineEdit* frmCalc::*field;
    const char* typed;  // more than either limit; a valid number once cut
    int metric;
    int inch;
};

// Typing stops at the field's limit, in either unit system. The velocity
// fields are unlocked first by choosing their typed-value entries.
TEST(WindowInputLength, TypingStopsAtTheLimitOfTheUnitSystem) {
    const LengthCase cases[] = {
        {&frmCalc::OUTER_DIAMETERText, "100.0000000", 7, 7},
        {&frmCalc::TRANS_FREQUENCYText, "10000000", 4, 5},
        {&frmCalc::WALL_THICKNESSText, "1.000000000", 6, 6},
        {&frmCalc::LINING_S_VText, "10000000", 4, 5},
        {&frmCalc::LINING_THICKNESSText, "1.000000000", 6, 6},
        {&frmCalc::FLUID_S_VText, "10000000", 4, 4},
    };
    for (const RunSettings run : {RunSettings{0, 0}, RunSettings{1, 1}}) {
        MessageBoxWatchdog boxes;
        WindowUnderTest w(run);
        w->PIPE_MATERIALCombo->setCurrentIndex(12);
        w->LINING_MATERIALCombo->setCurrentIndex(7);
        w->KIND_OF_FLUIDCombo->setCurrentIndex(17);
        for (const auto& c : cases) {
            QLineEdit* field = (*w).*c.field;
            SCOPED_TRACE(::testing::Message() << run << ' ' << field->objectName().toStdString());
            ASSERT_FALSE(field->isReadOnly());
            QTest::keyClicks(field, QString::fromLatin1(c.typed));
            const int limit = run.inch() ? c.inch : c.metric;
            EXPECT_EQ(field->text(), QString::fromLatin1(c.typed).left(limit));
            field->clear();
        }
        EXPECT_TRUE(boxes.Shown().empty());
    }
}

TEST(WindowInputLength, LockedFieldsTakeNoTypingAndResultsCannotBeEdited) {
    WindowUnderTest w(RunSettings{0, 0});
    for (QLineEdit* field : {w->TRANS_FREQUENCYText, w->LINING_S_VText, w->LINING_THICKNESSText,
                             w->FLUID_S_VText, w->txtResult1Text, w->txtResult2Text}) {
        QTest::keyClicks(field, "123");
        EXPECT_TRUE(field->text().isEmpty()) << field->objectName().toStdString();
    }
}

}  // namespace
