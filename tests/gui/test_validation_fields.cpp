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

namespace {

constexpr std::int16_t kAccepted = 0, kNotANumber = 3920, kOutOfRange = 3921;

QString Message(std::int16_t id, const CalcRun& run) {
    const char* texts[2][2] = {
        {"数字以外のデータは許されません", "入力値が範囲外です"},
        {"Any data other than a number is not allowed", "The value is outside of range"}};
    return QString::fromUtf8(texts[run.english()][id == kOutOfRange]);
}

// Makes the field editable by picking the list entry that unlocks it.
void Unlock(CalcWindowDriver& d, QLineEdit* field) {
    if (field == d->TRANS_FREQUENCYText) d.Pick(d->PIPE_MATERIALCombo, Pos::PipeSV);
    if (field == d->LINING_S_VText) d.Pick(d->LINING_MATERIALCombo, Pos::LiningSV);
    if (field == d->LINING_THICKNESSText) d.Pick(d->LINING_MATERIALCombo, Pos::TarEpoxy);
    if (field == d->FLUID_S_VText) d.Pick(d->KIND_OF_FLUIDCombo, Pos::FluidSV);
}

// Types the text into the field, tabs away and checks the outcome.
void CheckLeaving(const CalcRun& run, QLineEdit* frmCalc::*member, const QString& text,
                  std::int16_t expected) {
    CalcWindowDriver d(run);
    QLineEdit* field = d.window().*member;
    SCOPED_TRACE(::testing::Message()
                 << run << ' ' << run.locale.name().toStdString() << ' '
                 << field->objectName().toStdString() << " \"" << text.toStdString() << '"');
    Unlock(d, field);
    d.TypeInto(field, text);
    MessageBoxWatchdog watchdog;
    QTest::keyClick(field, Qt::Key_Tab);
    d.Settle();

    if (expected == kAccepted) {
        EXPECT_EQ(watchdog.Texts(), QStringList());
        EXPECT_FALSE(field->hasFocus());
        return;
    }
    ASSERT_EQ(watchdog.Texts(), QStringList{Message(expected, run)});
    EXPECT_TRUE(IsPlainOkBox(watchdog.Shown()[0]));
    EXPECT_TRUE(field->hasFocus());
    EXPECT_EQ(field->text(), text);
    EXPECT_EQ(field->selectedText(), text);
}

using F = frmCalc;
const CalcRun kMetric{0, 1}, kInch{1, 1}, kJapanese{0, 0};
const CalcRun kMetricComma{0, 1, QLocale(QLocale::German)},
    kInchComma{1, 1, QLocale(QLocale::German)};

const struct {
    CalcRun run;
    QLineEdit* F::*field;
    std::int16_t expected;
    std::vector<const char*> texts;  // UTF-8
} kCases[] = {
    // Metric; with a decimal point, 1,500 reads as the grouped 1500.
    {kMetric, &F::OUTER_DIAMETERText, kAccepted, {"", "6", "6200", "114.3", "+114.3", "1,500"}},
    {kMetric, &F::OUTER_DIAMETERText, kOutOfRange, {"5.99", "6200.01"}},
    {kMetric, &F::OUTER_DIAMETERText, kNotANumber, {" 12", "12 ", "1 2", "12a", "1e3", "１２"}},
    {kMetric, &F::OUTER_DIAMETERText, kNotANumber, {".", ",", "-"}},
    {kJapanese, &F::OUTER_DIAMETERText, kNotANumber, {"12a"}},
    {kJapanese, &F::OUTER_DIAMETERText, kOutOfRange, {"5"}},
    // Allowed characters only, but no number.
    {kMetric, &F::OUTER_DIAMETERText, kNotANumber, {"1.2.3", "+", "--1", "1-2", "1,5"}},
    {kMetric, &F::WALL_THICKNESSText, kAccepted, {"0.10", "100"}},
    {kMetric, &F::WALL_THICKNESSText, kOutOfRange, {"-5", "0.09", "100.01"}},
    {kMetric, &F::TRANS_FREQUENCYText, kAccepted, {"1000", "3700"}},
    {kMetric, &F::TRANS_FREQUENCYText, kOutOfRange, {"999", "3701"}},
    // The lining shares the pipe wall's range.
    {kMetric, &F::LINING_S_VText, kAccepted, {"1000"}},
    {kMetric, &F::LINING_S_VText, kOutOfRange, {"3800"}},
    {kMetric, &F::LINING_THICKNESSText, kAccepted, {"0.01"}},
    {kMetric, &F::LINING_THICKNESSText, kOutOfRange, {"0.009", "100.01"}},
    {kMetric, &F::FLUID_S_VText, kAccepted, {"300", "2500"}},
    {kMetric, &F::FLUID_S_VText, kOutOfRange, {"+12", "2501"}},
    {kMetric, &F::FLUID_S_VText, kNotANumber, {"12-"}},
    // English units; a metric value is not an inch value.
    {kInch, &F::OUTER_DIAMETERText, kAccepted, {"0.2362", "244.1"}},
    {kInch, &F::OUTER_DIAMETERText, kOutOfRange, {"0.2361", "244.11", "6200"}},
    {kInch, &F::WALL_THICKNESSText, kAccepted, {"0.0039", "3.938"}},
    {kInch, &F::WALL_THICKNESSText, kOutOfRange, {"0.0038", "3.9381"}},
    {kInch, &F::TRANS_FREQUENCYText, kAccepted, {"3280", "12140"}},
    {kInch, &F::TRANS_FREQUENCYText, kOutOfRange, {"3279", "12141"}},
    {kInch, &F::LINING_S_VText, kOutOfRange, {"12141"}},
    {kInch, &F::LINING_THICKNESSText, kAccepted, {"0.0003"}},
    {kInch, &F::LINING_THICKNESSText, kOutOfRange, {"0.0002"}},
    {kInch, &F::FLUID_S_VText, kAccepted, {"984", "8203"}},
    {kInch, &F::FLUID_S_VText, kOutOfRange, {"983", "8204"}},
    {kInch, &F::FLUID_S_VText, kNotANumber, {"1e3"}},
    // A decimal comma in the user's locale; the limits, written with a point,
    // still mean what they say.
    {kMetricComma, &F::OUTER_DIAMETERText, kAccepted, {"114,3", "6,00"}},
    {kMetricComma, &F::OUTER_DIAMETERText, kOutOfRange, {"5,99", "6200,01"}},
    {kMetricComma, &F::OUTER_DIAMETERText, kNotANumber, {"1,2,3"}},
    {kMetricComma, &F::WALL_THICKNESSText, kAccepted, {"0,1"}},
    {kMetricComma, &F::WALL_THICKNESSText, kOutOfRange, {"0,09"}},
    {kInchComma, &F::WALL_THICKNESSText, kAccepted, {"0,0039"}},
    {kInchComma, &F::WALL_THICKNESSText, kOutOfRange, {"3,9381"}},
    {kInchComma, &F::OUTER_DIAMETERText, kAccepted, {"244,1"}},
};

}  // namespace

TEST(FieldValidation, EdgeCasesInBothUnitSystemsAndLocales) {
    for (const auto& c : kCases) {
        for (const char* text : c.texts) {
            CheckLeaving(c.run, c.field, QString::fromUtf8(text), c.expected);
        }
    }
}

template <typename Control>
std::function<void(frmCalc&)> ClickOn(Control* frmCalc::*control) {
    return [control](frmCalc& w) { QTest::mouseClick(w.*control, Qt::LeftButton); };
}

TEST(FieldValidation, EveryWayOfLeavingInsideTheWindowIsChecked) {
    const struct {
        const char* name;
        std::function<void(frmCalc&)> leave;
    } cases[] = {
        {"Tab", [](frmCalc& w) { QTest::keyClick(w.WALL_THICKNESSText, Qt::Key_Tab); }},
        {"Shift+Tab",
         [](frmCalc& w) {
             QTest::keyClick(w.WALL_THICKNESSText, Qt::Key_Backtab, Qt::ShiftModifier);
         }},
        {"click on a field", ClickOn(&frmCalc::OUTER_DIAMETERText)},
        {"click on a locked field", ClickOn(&frmCalc::FLUID_S_VText)},
        {"click on a list", ClickOn(&frmCalc::SENSOR_TYPECombo)},
        {"click on a result", ClickOn(&frmCalc::txtResult1Text)},
        {"click on Execute", ClickOn(&frmCalc::ExecuteCalcButton)},
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
        d.Pick(d->SENSOR_TYPECombo, Pos::TB01);
        d.TypeInto(d->WALL_THICKNESSText, QStringLiteral("200"));
        MessageBoxWatchdog watchdog;
        c.leave(d.window());
        d.Settle();
        EXPECT_EQ(watchdog.Texts(), QStringList{Message(kOutOfRange, {0, 1})});
        EXPECT_TRUE(d->WALL_THICKNESSText->hasFocus());
        EXPECT_EQ(d->WALL_THICKNESSText->selectedText(), QStringLiteral("200"));
        EXPECT_EQ(d.Result1(), QString()) << "a refused move must not calculate";
        EXPECT_FALSE(d->SENSOR_TYPECombo->view()->isVisible()) << "nor open a list";
        EXPECT_EQ(d->SENSOR_TYPECombo->currentIndex(), Pos::TB01);

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
    d.Pick(d->KIND_OF_FLUIDCombo, Pos::FluidSV);
    d.TypeInto(d->FLUID_S_VText, QStringLiteral("1500"));
    d.Pick(d->KIND_OF_FLUIDCombo, Pos::Water);
    ASSERT_TRUE(d->FLUID_S_VText->isReadOnly());
    // Out of range, yet put there without leaving the field: not checked so far.
    d->FLUID_S_VText->setText(QStringLiteral("9999"));
    MessageBoxWatchdog watchdog;
    QTest::mouseClick(d->FLUID_S_VText, Qt::LeftButton);
    d.Settle();
    EXPECT_EQ(watchdog.Texts(), QStringList());
    QTest::keyClick(d->FLUID_S_VText, Qt::Key_Tab);
    d.Settle();
    EXPECT_EQ(watchdog.Texts(), QStringList{Message(kOutOfRange, {0, 1})});
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
    EXPECT_EQ(watchdog.Texts(), QStringList());

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
    EXPECT_EQ(watchdog.Texts(), QStringList());

    EXPECT_TRUE(d->close());
    d.Settle();
    EXPECT_EQ(watchdog.Texts(), QStringList()) << "the window can always be closed";
}
