// The Execute button through the real window: the worked examples in both
// unit systems, a failing run, and the typical request done by keyboard.

#include <gtest/gtest.h>

#include <QTest>

#include "CalcWindowDriver.h"
#include "MessageBoxWatchdog.h"
#include "calc/CalcError.h"
#include "text/TextTable.h"

namespace {

struct WorkedExample {
    const char* name;
    std::int16_t unitFlag;
    int sensor, mount, lining, pipe, fluid;
    const char *outerDiameter, *wallThickness, *liningThickness, *result1, *result2;
    QLocale::Language language = QLocale::English;  // the user's number format
};

using namespace Pos;

const WorkedExample kWorkedExamples[] = {
    {"TB_01 V", 0, TB01, VMethod, NoLining, CarbonSteel, Water, "114.3", "6.0", "", "65.47", ""},
    {"TB_01 Z", 0, TB01, ZMethod, NoLining, CarbonSteel, Water, "114.3", "6.0", "", "22.84", ""},
    {"TA_01 steps", 0, TA01, VMethod, NoLining, CarbonSteel, Water, "60.5", "3.0", "", "51", "17"},
    {"TB_04 grouped", 0, TB04, VMethod, NoLining, CarbonSteel, Water, "2000", "20", "", "1,687.09",
     ""},
    {"TB_05 tar epoxy", 0, TB05, ZMethod, TarEpoxy, CarbonSteel, Water, "508", "10", "5", "234.98",
     ""},
    {"TB_01 V inch", 1, TB01, VMethod, NoLining, CarbonSteel, Water, "4.5", "0.25", "", "2.591",
     ""},
    {"TA_01 inch", 1, TA01, VMethod, NoLining, CarbonSteel, Water, "2.375", "0.125", "", "2.007",
     "17"},
    {"diameter below the walls", 0, TB01, VMethod, NoLining, CarbonSteel, Water, "6", "6", "",
     "0.00", ""},
    // Empty velocity fields count as 0: S = (R - O) x 2, negative, shown as 0.
    {"no velocities", 0, TB01, VMethod, NoLining, PipeSV, FluidSV, "114.3", "6", "", "0.00", ""},
    {"no velocities TA", 0, TA01, VMethod, NoLining, PipeSV, FluidSV, "114.3", "6", "", "0", "0"},
    {"lining thickness ignored without lining", 0, TB01, VMethod, NoLining, CarbonSteel, Water,
     "114.3", "6", "50", "65.47", ""},
    {"decimal comma", 0, TB01, VMethod, NoLining, CarbonSteel, Water, "114,3", "6", "", "65,47", "",
     QLocale::German},
    {"grouped with points", 0, TB04, VMethod, NoLining, CarbonSteel, Water, "2000", "20", "",
     "1.687,09", "", QLocale::German},
};

void EnterExample(CalcWindowDriver& d, const WorkedExample& e) {
    d.TypeInto(d->OUTER_DIAMETERText, QString::fromLatin1(e.outerDiameter));
    d.TypeInto(d->WALL_THICKNESSText, QString::fromLatin1(e.wallThickness));
    d.Pick(d->SENSOR_MOUNTCombo, e.mount);
    d.Pick(d->SENSOR_TYPECombo, e.sensor);
    d.Pick(d->PIPE_MATERIALCombo, e.pipe);
    d.Pick(d->KIND_OF_FLUIDCombo, e.fluid);
    if (*e.liningThickness) {
        // Typed while a lining is chosen; with "NO LINING" it stays but counts as 0.
        d.Pick(d->LINING_MATERIALCombo, Pos::TarEpoxy);
        d.TypeInto(d->LINING_THICKNESSText, QString::fromLatin1(e.liningThickness));
    }
    d.Pick(d->LINING_MATERIALCombo, e.lining);
}

}  // namespace

TEST(ExecuteCalculation, WorkedExamplesThroughTheWindow) {
    for (const auto& e : kWorkedExamples) {
        SCOPED_TRACE(e.name);
        CalcWindowDriver d({e.unitFlag, 1, QLocale(e.language)});
        MessageBoxWatchdog watchdog;
        EnterExample(d, e);
        d.ClickExecute();
        EXPECT_EQ(watchdog.Texts(), QStringList());
        EXPECT_EQ(d.Result1(), QString::fromLatin1(e.result1));
        EXPECT_EQ(d.Result2(), QString::fromLatin1(e.result2));
    }
}

TEST(ExecuteCalculation, LockStateDecidesBetweenTableAndTypedVelocity) {
    CalcWindowDriver d({0, 1});
    MessageBoxWatchdog watchdog;
    d.TypeInto(d->OUTER_DIAMETERText, QStringLiteral("114.3"));
    d.TypeInto(d->WALL_THICKNESSText, QStringLiteral("6"));
    d.Pick(d->SENSOR_TYPECombo, Pos::TB01);
    // Typed values equal to the table's give the table's result...
    d.Pick(d->PIPE_MATERIALCombo, Pos::PipeSV);
    d.TypeInto(d->TRANS_FREQUENCYText, QStringLiteral("3000"));
    d.Pick(d->KIND_OF_FLUIDCombo, Pos::FluidSV);
    d.TypeInto(d->FLUID_S_VText, QStringLiteral("1440"));
    d.ClickExecute();
    EXPECT_EQ(d.Result1(), QStringLiteral("65.47"));
    // ...a different typed fluid velocity changes it...
    d.TypeInto(d->FLUID_S_VText, QStringLiteral("1500"));
    d.ClickExecute();
    const QString typed = d.Result1();
    EXPECT_NE(typed, QStringLiteral("65.47"));
    // ...and once the field is locked again its text no longer counts.
    d.Pick(d->KIND_OF_FLUIDCombo, Pos::Water);
    ASSERT_EQ(d->FLUID_S_VText->text(), QStringLiteral("1500"));
    d.ClickExecute();
    EXPECT_EQ(d.Result1(), QStringLiteral("65.47"));
    EXPECT_EQ(watchdog.Texts(), QStringList());
}

TEST(ExecuteCalculation, FailedRunShowsTheDescriptionAndKeepsThePreviousResult) {
    for (std::int16_t lang : {0, 1}) {
        SCOPED_TRACE(lang);
        CalcWindowDriver d({0, lang});
        MessageBoxWatchdog watchdog;
        d.TypeInto(d->OUTER_DIAMETERText, QStringLiteral("60.5"));
        d.TypeInto(d->WALL_THICKNESSText, QStringLiteral("3"));
        d.Pick(d->SENSOR_TYPECombo, Pos::TA01);
        d.ClickExecute();
        ASSERT_EQ(d.Result1() + ' ' + d.Result2(), QStringLiteral("51 17"));

        // 3740 m/s lies above the accepted range, but text the program put in
        // a field is not checked: it reaches the calculation, beyond the
        // critical angle of the 2500 m/s wedge.
        d.Pick(d->PIPE_MATERIALCombo, Pos::PipeSV);
        d->TRANS_FREQUENCYText->setText(QStringLiteral("3740"));
        d.ClickExecute();
        ASSERT_EQ(watchdog.Shown().size(), 1u);
        EXPECT_EQ(watchdog.Shown()[0].text,
                  CalcError::DescriptionOf(CalcErrorKind::InvalidArgument, lang != 0));
        EXPECT_TRUE(IsPlainOkBox(watchdog.Shown()[0]));
        EXPECT_EQ(d.Result1() + ' ' + d.Result2(), QStringLiteral("51 17"));

        // The 2505 m/s wedge stays below it.
        d.Pick(d->SENSOR_TYPECombo, Pos::TB01);
        d.ClickExecute();
        EXPECT_EQ(watchdog.Shown().size(), 1u);
        EXPECT_EQ(d.Result2(), QString());
        EXPECT_FALSE(d.Result1().isEmpty());

        // No sensor chosen: the table has no such row.
        d->SENSOR_TYPECombo->setCurrentIndex(-1);
        const QString before = d.Result1();
        d.ClickExecute();
        ASSERT_EQ(watchdog.Shown().size(), 2u);
        EXPECT_EQ(watchdog.Shown()[1].text,
                  CalcError::DescriptionOf(CalcErrorKind::SubscriptOutOfRange, lang != 0));
        EXPECT_EQ(d.Result1(), before);
    }
}

// The typical request of a user who never touches the mouse: the focus
// starts in the outer diameter, Tab walks the window in its order, arrow keys
// pick list entries and Space or Enter presses Execute.
TEST(ExecuteCalculation, TypicalRequestByKeyboardAlone) {
    for (const auto& [lang, pressKey] : {std::pair<std::int16_t, Qt::Key>{0, Qt::Key_Space},
                                         {1, Qt::Key_Space},
                                         {0, Qt::Key_Return},
                                         {1, Qt::Key_Enter}}) {
        SCOPED_TRACE(testing::Message() << "lang " << lang << " key " << pressKey);
        CalcWindowDriver d({0, lang});
        MessageBoxWatchdog watchdog;
        frmCalc& w = d.window();
        for (QWidget* at : std::initializer_list<QWidget*>{
                 w.OUTER_DIAMETERText, w.PIPE_MATERIALCombo, w.TRANS_FREQUENCYText,
                 w.WALL_THICKNESSText, w.SENSOR_MOUNTCombo, w.SENSOR_TYPECombo,
                 w.LINING_MATERIALCombo, w.LINING_S_VText, w.LINING_THICKNESSText,
                 w.KIND_OF_FLUIDCombo, w.FLUID_S_VText}) {
            ASSERT_TRUE(at->hasFocus()) << at->objectName().toStdString();
            if (at == w.OUTER_DIAMETERText) QTest::keyClicks(at, "114.3");
            if (at == w.WALL_THICKNESSText) QTest::keyClicks(at, "6");
            if (at == w.SENSOR_MOUNTCombo) {  // down and back: picked, not merely kept
                QTest::keyClick(at, Qt::Key_Down);
                QTest::keyClick(at, Qt::Key_Up);
            }
            if (at == w.SENSOR_TYPECombo) {
                for (int i = 0; i < Pos::TB01; ++i) QTest::keyClick(at, Qt::Key_Down);
            }
            QTest::keyClick(at, Qt::Key_Tab);
            d.Settle();
        }
        ASSERT_TRUE(w.ExecuteCalcButton->hasFocus());
        QTest::keyClick(w.ExecuteCalcButton, pressKey);
        d.Settle();

        EXPECT_EQ(w.SENSOR_MOUNTCombo->currentText(), FncGetText(3140));
        EXPECT_EQ(w.SENSOR_TYPECombo->currentText(), "TB_01/TC_01");
        EXPECT_EQ(w.PIPE_MATERIALCombo->currentIndex(), Pos::CarbonSteel);
        EXPECT_EQ(w.LINING_MATERIALCombo->currentIndex(), Pos::NoLining);
        EXPECT_EQ(w.KIND_OF_FLUIDCombo->currentIndex(), Pos::Water);
        EXPECT_EQ(d.Result1(), QStringLiteral("65.47"));
        EXPECT_EQ(d.Result2(), QString());
        EXPECT_EQ(watchdog.Texts(), QStringList());
    }
}
