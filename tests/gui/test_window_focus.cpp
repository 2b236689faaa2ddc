// Keyboard focus order and the number of characters each field takes.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "CalcWindowDriver.h"
#include "MessageBoxWatchdog.h"

namespace {

TEST(WindowFocus, OpensInOuterDiameterAndTabsThroughTheFourteenControls) {
    MessageBoxWatchdog boxes;
    CalcWindowDriver d;
    frmCalc& w = d.window();
    const std::vector<QWidget*> order = {
        w.OUTER_DIAMETERText,   w.PIPE_MATERIALCombo, w.TRANS_FREQUENCYText,  w.WALL_THICKNESSText,
        w.SENSOR_MOUNTCombo,    w.SENSOR_TYPECombo,   w.LINING_MATERIALCombo, w.LINING_S_VText,
        w.LINING_THICKNESSText, w.KIND_OF_FLUIDCombo, w.FLUID_S_VText,        w.ExecuteCalcButton,
        w.txtResult1Text,       w.txtResult2Text};
    ASSERT_EQ(QApplication::focusWidget(), order.front());
    for (std::size_t i = 1; i <= order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), order[i % order.size()])
            << "after " << i
            << " Tabs: " << QApplication::focusWidget()->objectName().toStdString();
    }
    for (std::size_t i = order.size() - 1; i > 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        ASSERT_EQ(QApplication::focusWidget(), order[i]) << "backwards at " << i;
    }
    EXPECT_TRUE(boxes.Shown().empty());
    for (QWidget* control : w.findChildren<QWidget*>()) {
        if (control->parentWidget() != &w && control->parentWidget() != w.fraResult) continue;
        const bool listed = std::find(order.begin(), order.end(), control) != order.end();
        EXPECT_EQ(control->focusPolicy() != Qt::NoFocus, listed)
            << control->objectName().toStdString() << " takes the focus";
    }
}

// Typing stops at the field's limit, in either unit system; the locked
// fields and the results take no typing at all.
TEST(WindowInputLength, TypingStopsAtTheLimitOfTheUnitSystem) {
    const struct {
        QLineEdit* frmCalc::*field;
        const char* typed;  // more than either limit; a valid number once cut
        int metric, inch;
    } cases[] = {
        {&frmCalc::OUTER_DIAMETERText, "100.0000000", 7, 7},
        {&frmCalc::TRANS_FREQUENCYText, "10000000", 4, 5},
        {&frmCalc::WALL_THICKNESSText, "1.000000000", 6, 6},
        {&frmCalc::LINING_S_VText, "10000000", 4, 5},
        {&frmCalc::LINING_THICKNESSText, "1.000000000", 6, 6},
        {&frmCalc::FLUID_S_VText, "10000000", 4, 4},
    };
    for (const CalcRun& run : {CalcRun{0, 0}, CalcRun{1, 1}}) {
        MessageBoxWatchdog boxes;
        CalcWindowDriver d(run);
        for (QLineEdit* field : {d->TRANS_FREQUENCYText, d->LINING_S_VText, d->LINING_THICKNESSText,
                                 d->FLUID_S_VText, d->txtResult1Text, d->txtResult2Text}) {
            QTest::keyClicks(field, "123");
            EXPECT_TRUE(field->text().isEmpty()) << field->objectName().toStdString();
        }
        d->PIPE_MATERIALCombo->setCurrentIndex(Pos::PipeSV);
        d->LINING_MATERIALCombo->setCurrentIndex(Pos::LiningSV);
        d->KIND_OF_FLUIDCombo->setCurrentIndex(Pos::FluidSV);
        for (const auto& c : cases) {
            QLineEdit* field = d.window().*c.field;
            SCOPED_TRACE(::testing::Message() << run << ' ' << field->objectName().toStdString());
            QTest::keyClicks(field, QString::fromLatin1(c.typed));
            EXPECT_EQ(field->text(),
                      QString::fromLatin1(c.typed).left(run.inch() ? c.inch : c.metric));
        }
        EXPECT_TRUE(boxes.Shown().empty());
    }
}

}  // namespace
