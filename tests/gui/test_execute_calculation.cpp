// The Execute button through the real window: the worked examples in both
// unit systems, a failing run, and the typical request done by keyboard.

#include <gtest/gtest.h>

#include <QTest>

#include "CalcWindowDriver.h"
#include "MessageBoxWatchdog.h"
#include "calc/CalcError.h"
#include "support/TestSupport.h"
#include "text/TextTable.h"

namespace {

struct WorkedExample {
    const char* name;
    std::int16_t unitFlag;
    int sensor;
    int mount;
    int lining;
    int pipe;
    int fluid;
    const char* outerDiameter;
    const char* wallThickness;
    const char* liningThickness;  // typed only when a lining is chosen
    const char* result1;
    const char* result2;
};

const WorkedExample kWorkedExamples[] = {
    {"TB_01 V", 0, Pos::kTB01, Pos::kVMethod, Pos::kNoLining, Pos::kCarbonSteel, Pos::kWater,
     "114.3", "6.0", "", "65.47", ""},
    {"TB_01 Z", 0, Pos::kTB01, Pos::kZMethod, Pos::kNoLining, Pos::kCarbonSteel, Pos::kWater,
     "114.3", "6.0", "", "22.84", ""},
    {"TA_01 steps", 0, Pos::kTA01, Pos::kVMethod, Pos::kNoLining, Pos::kCarbonSteel, Pos::kWater,
     "60.5", "3.0", "", "51", "17"},
    {"TB_04 grouped", 0, Pos::kTB04, Pos::kVMethod, Pos::kNoLining, Pos::kCarbonSteel, Pos::kWater,
     "2000", "20", "", "1,687.09", ""},
    {"TB_05 tar epoxy", 0, Pos::kTB05, Pos::kZMethod, Pos::kTarEpoxy, Pos::kCarbonSteel,
     Pos::kWater, "508", "10", "5", "234.98", ""},
    {"TB_01 V inch", 1, Pos::kTB01, Pos::kVMethod, Pos::kNoLining, Pos::kCarbonSteel, Pos::kWater,
     "4.5", "0.25", "", "2.591", ""},
    {"TA_01 inch", 1, Pos::kTA01, Pos::kVMethod, Pos::kNoLining, Pos::kCarbonSteel, Pos::kWater,
     "2.375", "0.125", "", "2.007", "17"},
    {"diameter below the walls", 0, Pos::kTB01, Pos::kVMethod, Pos::kNoLining, Pos::kCarbonSteel,
     Pos::kWater, "6", "6", "", "0.00", ""},
    // Empty velocity fields count as 0: S = (R - O) x 2, negative, shown as 0.
    {"no velocities", 0, Pos::kTB01, Pos::kVMethod, Pos::kNoLining, Pos::kPipeSV, Pos::kFluidSV,
     "114.3", "6", "", "0.00", ""},
    {"no velocities TA", 0, Pos::kTA01, Pos::kVMethod, Pos::kNoLining, Pos::kPipeSV, Pos::kFluidSV,
     "114.3", "6", "", "0", "0"},
    {"lining thickness ignored without lining", 0, Pos::kTB01, Pos::kVMethod, Pos::kNoLining,
     Pos::kCarbonSteel, Pos::kWater, "114.3", "6", "50", "65.47", ""},
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
        d.Pick(d->LINING_MATERIALCombo, Pos::kTarEpoxy);
        d.TypeInto(d->LINING_THICKNESSText, QString::fromLatin1(e.liningThickness));
    }
    d.Pick(d->LINING_MATERIALCombo, e.lining);
}

}  // namespace

TEST(ExecuteCalculation, WorkedExamplesThroughTheWindow) {
    for (const auto& e : kWorkedExamples) {
        SCOPED_TRACE(e.name);
        CalcWindowDriver d({e.unitFlag, 1});
        MessageBoxWatchdog watchdog;
        EnterExample(d, e);
        d.ClickExecute();
        EXPECT_TRUE(watchdog.Texts().isEmpty()) << watchdog.Texts().join(" | ").toStdString();
        EXPECT_EQ(d.Result1(), QString::fromLatin1(e.result1));
        EXPECT_EQ(d.Result2(), QString::fromLatin1(e.result2));
    }
}

TEST(ExecuteCalculation, ResultsUseTheUsersLocale) {
    CalcWindowDriver d({0, 1, QLocale(QLocale::German, QLocale::Germany)});
    MessageBoxWatchdog watchdog;
    d.TypeInto(d->OUTER_DIAMETERText, QStringLiteral("2000"));
    d.TypeInto(d->WALL_THICKNESSText, QStringLiteral("20"));
    d.Pick(d->SENSOR_TYPECombo, Pos::kTB04);
    d.ClickExecute();
    EXPECT_EQ(d.Result1(), QStringLiteral("1.687,09"));

    d.TypeInto(d->OUTER_DIAMETERText, QStringLiteral("114,3"));
    d.TypeInto(d->WALL_THICKNESSText, QStringLiteral("6"));
    d.Pick(d->SENSOR_TYPECombo, Pos::kTB01);
    d.ClickExecute();
    EXPECT_EQ(d.Result1(), QStringLiteral("65,47"));
    EXPECT_TRUE(watchdog.Texts().isEmpty()) << watchdog.Texts().join(" | ").toStdString();
}

TEST(ExecuteCalculation, LockStateDecidesBetweenTableAndTypedVelocity) {
    CalcWindowDriver d({0, 1});
    MessageBoxWatchdog watchdog;
    d.TypeInto(d->OUTER_DIAMETERText, QStringLiteral("114.3"));
    d.TypeInto(d->WALL_THICKNESSText, QStringLiteral("6"));
    d.Pick(d->SENSOR_TYPECombo, Pos::kTB01);
    // Typed values equal to the table's give the table's result...
    d.Pick(d->PIPE_MATERIALCombo, Pos::kPipeSV);
    d.TypeInto(d->TRANS_FREQUENCYText, QStringLiteral("3000"));
    d.Pick(d->KIND_OF_FLUIDCombo, Pos::kFluidSV);
    d.TypeInto(d->FLUID_S_VText, QStringLiteral("1440"));
    d.ClickExecute();
    EXPECT_EQ(d.Result1(), QStringLiteral("65.47"));
    // ...a different typed fluid velocity changes it...
    d.TypeInto(d->FLUID_S_VText, QStringLiteral("1500"));
    d.ClickExecute();
    const QString typed = d.Result1();
    EXPECT_NE(typed, QStringLiteral("65.47"));
    // ...and once the field is locked again its text no longer counts.
    d.Pick(d->KIND_OF_FLUIDCombo, Pos::kWater);
    ASSERT_EQ(d->FLUID_S_VText->text(), QStringLiteral("1500"));
    d.ClickExecute();
    EXPECT_EQ(d.Result1(), QStringLiteral("65.47"));
    EXPECT_TRUE(watchdog.Texts().isEmpty()) << watchdog.Texts().join(" | ").toStdString();
}

TEST(ExecuteCalculation, FailedRunShowsTheDescriptionAndKeepsThePreviousResult) {
    for (std::int16_t lang : {0, 1}) {
        SCOPED_TRACE(lang);
        CalcWindowDriver d({0, lang});
        MessageBoxWatchdog watchdog;
        d.TypeInto(d->OUTER_DIAMETERText, QStringLiteral("60.5"));
        d.TypeInto(d->WALL_THICKNESSText, QStringLiteral("3"));
        d.Pick(d->SENSOR_TYPECombo, Pos::kTA01);
        d.ClickExecute();
        ASSERT_EQ(d.Result1(), QStringLiteral("51"));
        ASSERT_EQ(d.Result2(), QStringLiteral("17"));

        // 3740 m/s lies above the accepted range, but text the program put in
        // a field is not checked: it reaches the calculation, beyond the
        // critical angle of the 2500 m/s wedge.
        d.Pick(d->PIPE_MATERIALCombo, Pos::kPipeSV);
        d->TRANS_FREQUENCYText->setText(QStringLiteral("3740"));
        d.ClickExecute();
        ASSERT_EQ(watchdog.Shown().size(), 1u);
        const ShownMessageBox& box = watchdog.Shown().front();
        EXPECT_EQ(box.text, CalcError::DescriptionOf(CalcErrorKind::InvalidArgument, lang != 0));
        EXPECT_EQ(box.title, QStringLiteral("Velkara"));
        EXPECT_EQ(box.icon, QMessageBox::NoIcon);
        EXPECT_EQ(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        EXPECT_EQ(d.Result1(), QStringLiteral("51"));
        EXPECT_EQ(d.Result2(), QStringLiteral("17"));

        // The 2505 m/s wedge stays below it.
        d.Pick(d->SENSOR_TYPECombo, Pos::kTB01);
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

TEST(ExecuteCalculation, RefusedFieldStopsTheClickThatLeftIt) {
    CalcWindowDriver d({0, 1});
    MessageBoxWatchdog watchdog;
    d.TypeInto(d->OUTER_DIAMETERText, QStringLiteral("114.3"));
    d.TypeInto(d->WALL_THICKNESSText, QStringLiteral("6"));
    d.Pick(d->SENSOR_TYPECombo, Pos::kTB01);
    d.ClickExecute();
    ASSERT_EQ(d.Result1(), QStringLiteral("65.47"));

    d.TypeInto(d->OUTER_DIAMETERText, QStringLiteral("6200.01"));
    d.ClickExecute();
    EXPECT_EQ(watchdog.Texts(), QStringList{FncGetText(3921)});
    EXPECT_EQ(d.Result1(), QStringLiteral("65.47")) << "the refused click must not calculate";
    EXPECT_TRUE(d->OUTER_DIAMETERText->hasFocus());
    EXPECT_EQ(d->OUTER_DIAMETERText->selectedText(), QStringLiteral("6200.01"));

    QTest::keyClick(d->OUTER_DIAMETERText, Qt::Key_Backspace);
    d.ClickExecute();
    EXPECT_EQ(watchdog.Shown().size(), 1u);
    EXPECT_TRUE(d->ExecuteCalcButton->hasFocus());
    ASSERT_EQ(d->OUTER_DIAMETERText->text(), QString()) << "backspace removed the selected text";
    EXPECT_EQ(d.Result1(), QStringLiteral("0.00")) << "an empty diameter counts as 0";
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
        auto typeAndTab = [](QWidget* at, const QString& text) {
            ASSERT_TRUE(at->hasFocus()) << at->objectName().toStdString();
            if (!text.isEmpty()) QTest::keyClicks(at, text);
            QTest::keyClick(at, Qt::Key_Tab);
            SettleEvents();
        };
        typeAndTab(w.OUTER_DIAMETERText, QStringLiteral("114.3"));
        typeAndTab(w.PIPE_MATERIALCombo, {});
        typeAndTab(w.TRANS_FREQUENCYText, {});
        typeAndTab(w.WALL_THICKNESSText, QStringLiteral("6"));
        // Down and back up: the V method is picked, not merely kept.
        QTest::keyClick(w.SENSOR_MOUNTCombo, Qt::Key_Down);
        QTest::keyClick(w.SENSOR_MOUNTCombo, Qt::Key_Up);
        typeAndTab(w.SENSOR_MOUNTCombo, {});
        for (int i = 0; i < Pos::kTB01; ++i) QTest::keyClick(w.SENSOR_TYPECombo, Qt::Key_Down);
        EXPECT_EQ(w.SENSOR_TYPECombo->currentText(), QStringLiteral("TB_01/TC_01"));
        typeAndTab(w.SENSOR_TYPECombo, {});
        for (QWidget* passing : std::initializer_list<QWidget*>{
                 w.LINING_MATERIALCombo, w.LINING_S_VText, w.LINING_THICKNESSText,
                 w.KIND_OF_FLUIDCombo, w.FLUID_S_VText}) {
            typeAndTab(passing, {});
        }
        ASSERT_TRUE(w.ExecuteCalcButton->hasFocus());
        QTest::keyClick(w.ExecuteCalcButton, pressKey);
        SettleEvents();

        EXPECT_EQ(w.SENSOR_MOUNTCombo->currentText(), FncGetText(3140));
        EXPECT_EQ(w.PIPE_MATERIALCombo->currentIndex(), Pos::kCarbonSteel);
        EXPECT_EQ(w.LINING_MATERIALCombo->currentIndex(), Pos::kNoLining);
        EXPECT_EQ(w.KIND_OF_FLUIDCombo->currentIndex(), Pos::kWater);
        EXPECT_EQ(d.Result1(), QStringLiteral("65.47"));
        EXPECT_EQ(d.Result2(), QString());
        EXPECT_TRUE(watchdog.Texts().isEmpty()) << watchdog.Texts().join(" | ").toStdString();
    }
}
