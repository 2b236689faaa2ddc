// Leaving a numeric field of the real window: every way of leaving inside the
// window is checked, with one box, the text selected and the focus back;
// leaving the window, a popup or closing it checks nothing.
#include <QAbstractItemView>
#include <QContextMenuEvent>

#include "CalcWindowDriver.h"
#include "text/TextTable.h"
#include "window/FieldRefusal.h"
#include "window/MessageBox.h"

namespace {

using F = frmCalc;

TEST(FieldValidation, EveryWayOfLeavingInsideTheWindowIsChecked) {
    const std::pair<const char*, void (*)(F&)> rows[] = {
        // clang-format off
        {"Tab", [](F& w) { QTest::keyClick(w.WALL_THICKNESSText, Qt::Key_Tab); }},
        {"Shift+Tab", [](F& w) { QTest::keyClick(w.WALL_THICKNESSText, Qt::Key_Backtab, Qt::ShiftModifier); }},
        {"click on a locked field", [](F& w) { QTest::mouseClick(w.FLUID_S_VText, Qt::LeftButton); }},
        {"click on a list", [](F& w) { QTest::mouseClick(w.SENSOR_TYPECombo, Qt::LeftButton); }},
        {"click on Execute", [](F& w) { QTest::mouseClick(w.ExecuteCalcButton, Qt::LeftButton); }},
        // clang-format on
    };
    for (const auto& [name, leave] : rows) {
        SCOPED_TRACE(name);
        CalcWindowDriver d({0, 1});
        d.TypeInto(d->OUTER_DIAMETERText, "114.3");
        d.TypeInto(d->WALL_THICKNESSText, "200");
        MessageBoxWatchdog watchdog;
        QString selectedWhileOpen;
        watchdog.SetProbe(
            [&](QWidget&) { selectedWhileOpen = d->WALL_THICKNESSText->selectedText(); });
        leave(d.window());
        d.Settle();
        ASSERT_EQ(watchdog.Shown(), QStringList{FncGetText(kOutOfRangeText)});
        EXPECT_EQ(selectedWhileOpen, "200");
        EXPECT_TRUE(d->WALL_THICKNESSText->hasFocus());
        EXPECT_EQ(d->WALL_THICKNESSText->selectedText(), "200");
        // The refused move's press neither calculates nor opens the list.
        EXPECT_EQ(d.Result1(), "");
        EXPECT_FALSE(d->SENSOR_TYPECombo->view()->isVisible());
        // Every attempt repeats the message; a corrected text lets the user on.
        leave(d.window());
        QTest::keyClicks(d->WALL_THICKNESSText, "6");
        leave(d.window());
        d.Settle();
        EXPECT_EQ(watchdog.Shown().size(), 2);
        EXPECT_FALSE(d->WALL_THICKNESSText->hasFocus());
        d->SENSOR_TYPECombo->hidePopup();
    }
}

TEST(FieldValidation, LeavingTheWindowAPopupOrClosingChecksNothing) {
    CalcWindowDriver d({0, 1});
    d.TypeInto(d->OUTER_DIAMETERText, "1e3");
    MessageBoxWatchdog watchdog;
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    d->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d.window()));
    d.Settle();
    EXPECT_TRUE(d->OUTER_DIAMETERText->hasFocus());
    // A context menu takes the focus as a popup.
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, {5, 5},
                           d->OUTER_DIAMETERText->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(d->OUTER_DIAMETERText, &menu);
    d.Settle();
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    QApplication::activePopupWidget()->close();
    d.Settle();
    EXPECT_TRUE(d->OUTER_DIAMETERText->hasFocus());
    EXPECT_TRUE(d->close());
    d.Settle();
    EXPECT_TRUE(watchdog.Shown().empty());
}

// The box shows its text as plain text and outlives a parent that goes while it is open.
TEST(FieldValidation, MessageBoxSurvivesItsParentGoing) {
    MessageBoxWatchdog watchdog;
    QPointer<QWidget> parent = new QWidget;
    parent->show();
    watchdog.SetProbe([&](QWidget&) { delete parent; });
    SubShowMessage(parent, "<b>not markup</b>");
    EXPECT_EQ(watchdog.Shown(), QStringList{"<b>not markup</b>"});
    EXPECT_TRUE(parent.isNull());
}

}  // namespace
