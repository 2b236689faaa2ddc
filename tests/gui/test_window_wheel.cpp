// The mouse wheel changes a drop-down list only while the list has the
// keyboard focus.

#include <gtest/gtest.h>

#include <QApplication>
#include <QWheelEvent>

#include "CalcWindowDriver.h"
#include "MessageBoxWatchdog.h"

namespace {

// One notch of a real wheel over the middle of the list; down is -1.
void TurnWheel(CalcWindowDriver& d, QComboBox* list, int notches) {
    const QPointF inside = QRectF(list->rect()).center();
    QWheelEvent event(inside, list->mapToGlobal(inside), QPoint(),
                      QPoint(0, notches * QWheelEvent::DefaultDeltasPerStep), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list, &event);
    d.Settle();
}

TEST(WindowWheel, OnlyAListWithTheFocusStepsWithTheWheel) {
    for (QComboBox* frmCalc::*member :
         {&frmCalc::PIPE_MATERIALCombo, &frmCalc::SENSOR_MOUNTCombo, &frmCalc::SENSOR_TYPECombo,
          &frmCalc::LINING_MATERIALCombo, &frmCalc::KIND_OF_FLUIDCombo}) {
        MessageBoxWatchdog boxes;
        CalcWindowDriver d;
        QComboBox* list = d.window().*member;
        SCOPED_TRACE(list->objectName().toStdString());
        ASSERT_TRUE(d->OUTER_DIAMETERText->hasFocus());
        TurnWheel(d, list, -1);
        EXPECT_EQ(list->currentIndex(), 0);
        EXPECT_TRUE(d->OUTER_DIAMETERText->hasFocus()) << "the wheel must not move the focus";

        d.Pick(list, 0);
        TurnWheel(d, list, -1);
        EXPECT_EQ(list->currentIndex(), 1);
        TurnWheel(d, list, 1);
        EXPECT_EQ(list->currentIndex(), 0);
        EXPECT_TRUE(boxes.Shown().empty());
    }
}

}  // namespace
