// The keyboard path through the window, and the mouse wheel, which must not
// change a list the user is not working in.
#include <gtest/gtest.h>

#include <QTest>
#include <QWheelEvent>

#include "CalcWindowDriver.h"
#include "MessageBoxWatchdog.h"
#include "support/TestSupport.h"

namespace {

// Down the left column of inputs, down the right one, to Execute, down the
// results; Shift+Tab runs back.
TEST(WindowFocus, TabRunsDownEachColumnThenToExecuteAndTheResults) {
    MessageBoxWatchdog boxes;
    CalcWindowDriver d;
    const auto place = [&](QWidget* w) {  // inputs, the button, the results
        return std::tuple(d->fraResult->geometry().contains(w->geometry()),
                          w == d->ExecuteCalcButton, w->x() * 2 / d->width(), w->y());
    };
    auto order = d->findChildren<QWidget*>(QRegularExpression("Text$|Combo$|^ExecuteCalc$"));
    std::sort(order.begin(), order.end(), [&](auto* a, auto* b) { return place(a) < place(b); });
    ASSERT_EQ(order.size(), 14);
    ASSERT_EQ(QApplication::focusWidget(), order.front()) << "on opening";
    for (qsizetype i = 1; i <= order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), order[i % order.size()]) << i << " Tabs";
    }
    for (qsizetype i = order.size() - 1; i > 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        ASSERT_EQ(QApplication::focusWidget(), order[i]) << "Shift+Tab to " << i;
    }
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST(WindowFocus, TheWheelStepsOnlyAListWithTheFocus) {
    MessageBoxWatchdog boxes;
    CalcWindowDriver d;
    QComboBox* list = d->KIND_OF_FLUIDCombo;
    for (const bool focused : {false, true}) {
        if (focused) d.Pick(list, 0);
        const QPointF inside = QRectF(list->rect()).center();
        QWheelEvent notch(inside, list->mapToGlobal(inside), {}, {0, -120}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(list, &notch);
        d.Settle();
        EXPECT_EQ(list->currentIndex(), focused ? 1 : 0);
        EXPECT_EQ(list->hasFocus(), focused) << "the wheel moves no focus";
    }
    EXPECT_TRUE(boxes.Shown().empty());
}

}  // namespace
