// The six numeric fields of the real window, checked when the user leaves
// them: characters, readable numbers and ranges in both unit systems and
// under a decimal-comma locale, and the focus rules of a refusal.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>
#include <QTest>
#include <QWindow>
#include <functional>

#include "CalcWindowDriver.h"
#include "MessageBoxWatchdog.h"
#include "support/TestSupport.h"
#include "text/TextTable.h"

namespace {

constexpr std::int16_t kAccepted = 0;
constexpr std::int16_t kNotANumber = 3920;
constexpr std::int16_t kOutOfRange = 3921;

// How a field is made editable before typing: the list and its position.
struct Unlock {
    QComboBox* frmCalc::*list = nullptr;
    int position = 0;
};

struct FieldCase {
    std::int16_t unitFlag;
    QLineEdit* frmCalc::*field;
    const char* text;  // UTF-8
    std::int16_t expected;
};

Unlock UnlockFor(QLineEdit* frmCalc::*field) {
    if (field == &frmCalc::TRANS_FREQUENCYText) return {&frmCalc::PIPE_MATERIALCombo, Pos::kPipeSV};
    if (field == &frmCalc::LINING_S_VText) return {&frmCalc::LINING_MATERIALCombo, Pos::kLiningSV};
    if (field == &frmCalc::LINING_THICKNESSText) {
        return {&frmCalc::LINING_MATERIALCombo, Pos::kTarEpoxy};
    }
    if (field == &frmCalc::FLUID_S_VText) return {&frmCalc::KIND_OF_FLUIDCombo, Pos::kFluidSV};
    return {};
}

// Types the text into the field, tabs away and checks the outcome.
void CheckLeaving(const FieldCase& c, const QLocale& locale) {
    const QString text = QString::fromUtf8(c.text);
    CalcWindowDriver d({c.unitFlag, 1, locale});
    QLineEdit* field = d.window().*c.field;
    SCOPED_TRACE(field->objectName().toStdString() + " \"" + c.text + "\"" +
                 (c.unitFlag ? " inch" : " metric") + " " + locale.name().toStdString());
    if (const Unlock unlock = UnlockFor(c.field); unlock.list) {
        d.Pick(d.window().*unlock.list, unlock.position);
    }
    d.TypeInto(field, text);
    MessageBoxWatchdog watchdog;
    QTest::keyClick(field, Qt::Key_Tab);
    d.Settle();

    if (c.expected == kAccepted) {
        EXPECT_TRUE(watchdog.Texts().isEmpty()) << watchdog.Texts().join(" | ").toStdString();
        EXPECT_FALSE(field->hasFocus());
        return;
    }
    EXPECT_EQ(watchdog.Texts(), QStringList{FncGetText(c.expected)});
    EXPECT_TRUE(field->hasFocus());
    EXPECT_EQ(field->text(), text);
    EXPECT_EQ(field->selectedText(), text);
}

using F = frmCalc;

const FieldCase kMetricCases[] = {
    {0, &F::OUTER_DIAMETERText, "", kAccepted},
    {0, &F::OUTER_DIAMETERText, "6", kAccepted},
    {0, &F::OUTER_DIAMETERText, "6200", kAccepted},
    {0, &F::OUTER_DIAMETERText, "114.3", kAccepted},
    {0, &F::OUTER_DIAMETERText, "+114.3", kAccepted},
    {0, &F::OUTER_DIAMETERText, "1,500", kAccepted},  // digit grouping of the locale
    {0, &F::OUTER_DIAMETERText, "5.99", kOutOfRange},
    {0, &F::OUTER_DIAMETERText, "6200.01", kOutOfRange},
    {0, &F::OUTER_DIAMETERText, " 12", kNotANumber},
    {0, &F::OUTER_DIAMETERText, "12 ", kNotANumber},
    {0, &F::OUTER_DIAMETERText, "1 2", kNotANumber},
    {0, &F::OUTER_DIAMETERText, "12a", kNotANumber},
    {0, &F::OUTER_DIAMETERText, "1e3", kNotANumber},
    {0, &F::OUTER_DIAMETERText, "１２", kNotANumber},  // full-width digits
    {0, &F::OUTER_DIAMETERText, ".", kNotANumber},
    {0, &F::OUTER_DIAMETERText, ",", kNotANumber},
    {0, &F::OUTER_DIAMETERText, "-", kNotANumber},
    // Allowed characters only, but no number.
    {0, &F::OUTER_DIAMETERText, "1.2.3", kNotANumber},
    {0, &F::OUTER_DIAMETERText, "+", kNotANumber},
    {0, &F::OUTER_DIAMETERText, "--1", kNotANumber},
    {0, &F::OUTER_DIAMETERText, "1-2", kNotANumber},
    {0, &F::OUTER_DIAMETERText, "1,5", kNotANumber},
    {0, &F::WALL_THICKNESSText, "-5", kOutOfRange},
    {0, &F::WALL_THICKNESSText, "0.10", kAccepted},
    {0, &F::WALL_THICKNESSText, "0.09", kOutOfRange},
    {0, &F::WALL_THICKNESSText, "100", kAccepted},
    {0, &F::WALL_THICKNESSText, "100.01", kOutOfRange},
    {0, &F::TRANS_FREQUENCYText, "1000", kAccepted},
    {0, &F::TRANS_FREQUENCYText, "3700", kAccepted},
    {0, &F::TRANS_FREQUENCYText, "999", kOutOfRange},
    {0, &F::TRANS_FREQUENCYText, "3701", kOutOfRange},
    {0, &F::LINING_S_VText, "3800", kOutOfRange},  // shares the pipe wall's range
    {0, &F::LINING_S_VText, "1000", kAccepted},
    {0, &F::LINING_THICKNESSText, "0.01", kAccepted},
    {0, &F::LINING_THICKNESSText, "0.009", kOutOfRange},
    {0, &F::LINING_THICKNESSText, "100.01", kOutOfRange},
    {0, &F::FLUID_S_VText, "+12", kOutOfRange},
    {0, &F::FLUID_S_VText, "300", kAccepted},
    {0, &F::FLUID_S_VText, "2500", kAccepted},
    {0, &F::FLUID_S_VText, "2501", kOutOfRange},
    {0, &F::FLUID_S_VText, "12-", kNotANumber},
};

const FieldCase kEnglishUnitCases[] = {
    {1, &F::OUTER_DIAMETERText, "0.2362", kAccepted},
    {1, &F::OUTER_DIAMETERText, "0.2361", kOutOfRange},
    {1, &F::OUTER_DIAMETERText, "244.1", kAccepted},
    {1, &F::OUTER_DIAMETERText, "244.11", kOutOfRange},
    {1, &F::OUTER_DIAMETERText, "6200", kOutOfRange},  // a metric value is not an inch value
    {1, &F::WALL_THICKNESSText, "0.0039", kAccepted},
    {1, &F::WALL_THICKNESSText, "0.0038", kOutOfRange},
    {1, &F::WALL_THICKNESSText, "3.938", kAccepted},
    {1, &F::WALL_THICKNESSText, "3.9381", kOutOfRange},
    {1, &F::TRANS_FREQUENCYText, "3280", kAccepted},
    {1, &F::TRANS_FREQUENCYText, "3279", kOutOfRange},
    {1, &F::TRANS_FREQUENCYText, "12140", kAccepted},
    {1, &F::TRANS_FREQUENCYText, "12141", kOutOfRange},
    {1, &F::LINING_S_VText, "12141", kOutOfRange},
    {1, &F::LINING_THICKNESSText, "0.0003", kAccepted},
    {1, &F::LINING_THICKNESSText, "0.0002", kOutOfRange},
    {1, &F::FLUID_S_VText, "984", kAccepted},
    {1, &F::FLUID_S_VText, "983", kOutOfRange},
    {1, &F::FLUID_S_VText, "8203", kAccepted},
    {1, &F::FLUID_S_VText, "8204", kOutOfRange},
    {1, &F::FLUID_S_VText, "1e3", kNotANumber},
};

// Typed numbers use the locale's decimal comma; the limits, written with a
// point, still mean what they say.
const FieldCase kDecimalCommaCases[] = {
    {0, &F::OUTER_DIAMETERText, "114,3", kAccepted},
    {0, &F::OUTER_DIAMETERText, "6,00", kAccepted},
    {0, &F::OUTER_DIAMETERText, "5,99", kOutOfRange},
    {0, &F::OUTER_DIAMETERText, "6200,01", kOutOfRange},
    {0, &F::OUTER_DIAMETERText, "1,2,3", kNotANumber},
    {0, &F::WALL_THICKNESSText, "0,1", kAccepted},
    {0, &F::WALL_THICKNESSText, "0,09", kOutOfRange},
    {1, &F::WALL_THICKNESSText, "0,0039", kAccepted},
    {1, &F::WALL_THICKNESSText, "3,9381", kOutOfRange},
    {1, &F::OUTER_DIAMETERText, "244,1", kAccepted},
};

const QLocale kPointLocale(QLocale::English, QLocale::UnitedStates);
const QLocale kCommaLocale(QLocale::German, QLocale::Germany);

}  // namespace

TEST(FieldValidation, MetricEdgeCases) {
    for (const auto& c : kMetricCases) CheckLeaving(c, kPointLocale);
}

TEST(FieldValidation, EnglishUnitEdgeCases) {
    for (const auto& c : kEnglishUnitCases) CheckLeaving(c, kPointLocale);
}

TEST(FieldValidation, DecimalCommaLocale) {
    for (const auto& c : kDecimalCommaCases) CheckLeaving(c, kCommaLocale);
}

TEST(FieldValidation, MessagesFollowTheLanguage) {
    struct Case {
        std::int16_t lang;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {0, "12a", "数字以外のデータは許されません"},
        {0, "5", "入力値が範囲外です"},
        {1, "12a", "Any data other than a number is not allowed"},
        {1, "5", "The value is outside of range"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        CalcWindowDriver d({0, c.lang});
        d.TypeInto(d->OUTER_DIAMETERText, QString::fromUtf8(c.text));
        MessageBoxWatchdog watchdog;
        QTest::keyClick(d->OUTER_DIAMETERText, Qt::Key_Tab);
        d.Settle();
        ASSERT_EQ(watchdog.Shown().size(), 1u);
        EXPECT_EQ(watchdog.Shown()[0].text, QString::fromUtf8(c.message));
        EXPECT_EQ(watchdog.Shown()[0].title, QStringLiteral("Velkara"));
        EXPECT_EQ(watchdog.Shown()[0].icon, QMessageBox::NoIcon);
        EXPECT_EQ(watchdog.Shown()[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
}

TEST(FieldValidation, EveryWayOfLeavingInsideTheWindowIsChecked) {
    struct Case {
        const char* name;
        std::function<void(frmCalc&)> leave;
    };
    const Case cases[] = {
        {"Tab", [](frmCalc& w) { QTest::keyClick(w.WALL_THICKNESSText, Qt::Key_Tab); }},
        {"Shift+Tab",
         [](frmCalc& w) {
             QTest::keyClick(w.WALL_THICKNESSText, Qt::Key_Backtab, Qt::ShiftModifier);
         }},
        {"click on a field",
         [](frmCalc& w) { QTest::mouseClick(w.OUTER_DIAMETERText, Qt::LeftButton); }},
        {"click on a locked field",
         [](frmCalc& w) { QTest::mouseClick(w.FLUID_S_VText, Qt::LeftButton); }},
        {"click on a list",
         [](frmCalc& w) { QTest::mouseClick(w.SENSOR_TYPECombo, Qt::LeftButton); }},
        {"click on a result",
         [](frmCalc& w) { QTest::mouseClick(w.txtResult1Text, Qt::LeftButton); }},
        {"click on Execute",
         [](frmCalc& w) { QTest::mouseClick(w.ExecuteCalcButton, Qt::LeftButton); }},
        {"click on Execute through the window",
         [](frmCalc& w) {
             QWindow* handle = w.windowHandle();
             const QPoint centre = w.ExecuteCalcButton->rect().center();
             QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier,
                               handle->mapFromGlobal(w.ExecuteCalcButton->mapToGlobal(centre)));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CalcWindowDriver d({0, 1});
        d.TypeInto(d->OUTER_DIAMETERText, QStringLiteral("114.3"));
        d.Pick(d->SENSOR_TYPECombo, Pos::kTB01);
        d.TypeInto(d->WALL_THICKNESSText, QStringLiteral("200"));
        MessageBoxWatchdog watchdog;
        c.leave(d.window());
        d.Settle();
        EXPECT_EQ(watchdog.Texts(), QStringList{FncGetText(kOutOfRange)});
        EXPECT_TRUE(d->WALL_THICKNESSText->hasFocus());
        EXPECT_EQ(d->WALL_THICKNESSText->selectedText(), QStringLiteral("200"));
        EXPECT_EQ(d.Result1(), QString()) << "a refused move must not calculate";
        EXPECT_FALSE(d->SENSOR_TYPECombo->view()->isVisible()) << "nor open a list";
        EXPECT_EQ(d->SENSOR_TYPECombo->currentIndex(), Pos::kTB01);

        // Until the text is corrected every attempt repeats the message...
        c.leave(d.window());
        d.Settle();
        EXPECT_EQ(watchdog.Shown().size(), 2u);
        // ...and emptying the field is always a way out.
        QTest::keyClick(d->WALL_THICKNESSText, Qt::Key_Delete);
        c.leave(d.window());
        d.Settle();
        EXPECT_EQ(watchdog.Shown().size(), 2u);
        EXPECT_FALSE(d->WALL_THICKNESSText->hasFocus());
        d->SENSOR_TYPECombo->hidePopup();
    }
}

TEST(FieldValidation, ALockedFieldIsStillChecked) {
    CalcWindowDriver d({0, 1});
    d.Pick(d->KIND_OF_FLUIDCombo, Pos::kFluidSV);
    d.TypeInto(d->FLUID_S_VText, QStringLiteral("1500"));
    d.Pick(d->KIND_OF_FLUIDCombo, Pos::kWater);
    ASSERT_TRUE(d->FLUID_S_VText->isReadOnly());
    // Out of range, yet put there without leaving the field: not checked so far.
    d->FLUID_S_VText->setText(QStringLiteral("9999"));
    MessageBoxWatchdog watchdog;
    QTest::mouseClick(d->FLUID_S_VText, Qt::LeftButton);
    d.Settle();
    EXPECT_TRUE(watchdog.Texts().isEmpty());
    QTest::keyClick(d->FLUID_S_VText, Qt::Key_Tab);
    d.Settle();
    EXPECT_EQ(watchdog.Texts(), QStringList{FncGetText(kOutOfRange)});
    EXPECT_TRUE(d->FLUID_S_VText->hasFocus());
    EXPECT_EQ(d->FLUID_S_VText->text(), QStringLiteral("9999"));
}

TEST(FieldValidation, LeavingTheWindowOrClosingItChecksNothing) {
    CalcWindowDriver d({0, 1});
    d.TypeInto(d->OUTER_DIAMETERText, QStringLiteral("1e3"));
    MessageBoxWatchdog watchdog;

    QWidget other;
    auto* otherField = new QLineEdit(&other);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    d.Settle();
    EXPECT_TRUE(otherField->hasFocus());
    d->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d.window()));
    d.Settle();
    EXPECT_TRUE(d->OUTER_DIAMETERText->hasFocus());
    EXPECT_TRUE(watchdog.Texts().isEmpty());

    // The field's own context menu takes the focus as a popup.
    QContextMenuEvent menuRequest(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                  d->OUTER_DIAMETERText->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(d->OUTER_DIAMETERText, &menuRequest);
    d.Settle();
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_NE(menu, nullptr);
    menu->close();
    d.Settle();
    EXPECT_TRUE(d->OUTER_DIAMETERText->hasFocus());
    EXPECT_TRUE(watchdog.Texts().isEmpty());

    EXPECT_TRUE(d->close());
    d.Settle();
    EXPECT_TRUE(watchdog.Texts().isEmpty()) << "the window can always be closed";
}
