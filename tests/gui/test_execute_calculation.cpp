// Execute through the real window: what it refuses before it calculates, a
// spacing that cannot be mounted, and the typical request by keyboard alone.
#include "CalcWindowDriver.h"
#include "text/TextTable.h"
#include "window/FieldRefusal.h"

namespace {

using D = CalcWindowDriver;
using F = frmCalc;
constexpr std::int16_t kNegativeSpacing = 3923;

TEST(ExecuteCalculation, RefusesWhatItCannotUseAndKeepsTheResult) {
    // Each starts from the typical request showing 65.47: a change, one press.
    const struct {
        const char* name;
        void (*change)(D&);
        std::int16_t message;    // 0: none
        QLineEdit* F::*focused;  // nullptr: not moved
        const char* result = "65.47";
    } rows[] = {
        // clang-format off
        {"wall emptied", [](D& d) { d.TypeInto(d->WALL_THICKNESSText, ""); }, kOutOfRangeText, &F::WALL_THICKNESSText},
        {"pipe S.V. empty", [](D& d) { d.Pick(d->PIPE_MATERIALCombo, kPipeTypedVelocityEntry); }, kOutOfRangeText, &F::TRANS_FREQUENCYText},
        {"fluid S.V. empty", [](D& d) { d.Pick(d->KIND_OF_FLUIDCombo, kFluidTypedVelocityEntry); }, kOutOfRangeText, &F::FLUID_S_VText},
        {"lining, no thickness", [](D& d) { d.Pick(d->LINING_MATERIALCombo, 1); }, kOutOfRangeText, &F::LINING_THICKNESSText},
        {"focus order", [](D& d) { d.Pick(d->LINING_MATERIALCombo, kLiningTypedVelocityEntry); }, kOutOfRangeText, &F::LINING_S_VText},
        {"wall fills the pipe", [](D& d) { d.TypeInto(d->OUTER_DIAMETERText, "12"); }, kOutOfRangeText, &F::WALL_THICKNESSText},
        {"lining fills the pipe", [](D& d) { d.TypeInto(d->OUTER_DIAMETERText, "20"), d.Pick(d->LINING_MATERIALCombo, 1),
                                             d.TypeInto(d->LINING_THICKNESSText, "4"); }, kOutOfRangeText, &F::LINING_THICKNESSText},
        {"put in by the program", [](D& d) { d->OUTER_DIAMETERText->setText("6x"); }, kNotANumberText, &F::OUTER_DIAMETERText},
        {"negative spacing", [](D& d) { d.TypeInto(d->OUTER_DIAMETERText, "6"), d.TypeInto(d->WALL_THICKNESSText, "0.1"); }, kNegativeSpacing, nullptr},
        {"locked field unread", [](D& d) { d->FLUID_S_VText->setText("x"); }, 0, nullptr},
        {"typed velocity read", [](D& d) { d.Pick(d->KIND_OF_FLUIDCombo, kFluidTypedVelocityEntry), d.TypeInto(d->FLUID_S_VText, "1500"); },
         0, nullptr, "69.69"},
        // clang-format on
    };
    for (const std::int16_t lang : {0, 1}) {
        for (const auto& r : rows) {
            SCOPED_TRACE(testing::Message() << r.name << " lang " << lang);
            D d({0, lang});
            d.TypeInto(d->OUTER_DIAMETERText, "114.3");
            d.TypeInto(d->WALL_THICKNESSText, "6");
            d.Pick(d->SENSOR_TYPECombo, SensorEntry("TB_01/TC_01"));
            d.ClickExecute();
            r.change(d);
            MessageBoxWatchdog watchdog;
            d.ClickExecute();
            EXPECT_EQ(watchdog.Shown(),
                      r.message ? QStringList{FncGetText(r.message)} : QStringList());
            if (QLineEdit* field = r.focused ? d.window().*r.focused : nullptr) {
                EXPECT_EQ(QApplication::focusWidget(), field);
                EXPECT_EQ(field->selectedText(), field->text());
            }
            EXPECT_EQ(d.Result1() + d.Result2(), r.result);
        }
    }
}

// Focus starts in the outer diameter; Tab, typing, arrow keys in the list and
// Enter on the button make the typical request without the mouse.
TEST(ExecuteCalculation, TypicalRequestByKeyboardAlone) {
    D d({0, 1});
    MessageBoxWatchdog watchdog;
    const auto tabTo = [&](int tabs, QWidget* to) {
        for (; tabs > 0; --tabs)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab), d.Settle();
        ASSERT_TRUE(to->hasFocus()) << to->objectName().toStdString();
    };
    tabTo(0, d->OUTER_DIAMETERText);
    QTest::keyClicks(d->OUTER_DIAMETERText, "114.3");
    tabTo(3, d->WALL_THICKNESSText);
    QTest::keyClicks(d->WALL_THICKNESSText, "6");
    tabTo(2, d->SENSOR_TYPECombo);
    for (int i = SensorEntry("TB_01/TC_01"); i > 0; --i)
        QTest::keyClick(d->SENSOR_TYPECombo, Qt::Key_Down);
    tabTo(6, d->ExecuteCalcButton);
    QTest::keyClick(d->ExecuteCalcButton, Qt::Key_Return);
    d.Settle();
    EXPECT_EQ(d.Result1(), "65.47");
    EXPECT_TRUE(watchdog.Shown().empty());
}

}  // namespace
