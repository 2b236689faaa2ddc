// The mouse wheel changes a drop-down list only while the list has the
// keyboard focus.

#include <gtest/gtest.h>

#include <QApplication>
#include <QWheelEvent>

#include "CalcWindowDriver.h"
#include "MessageBoxWatchdog.h"

namespace {

enum class Turn { Down, Up };

// One notch of a real wheel over the middle of the list.
void TurnWheel(QComboBox* list, Turn turn) {
    const QPointF inside = QRectF(list->rect()).center();
    const QPoint notch(0, turn == Turn::Down ? -QWheelEvent::DefaultDeltasPerStep
                                             : QWheelEvent::DefaultDeltasPerStep);
    QWheelEvent event(inside, list->mapToGlobal(inside), QPoint(), notch, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list, &event);
}

struct ListCase {
    const char* name;
    QComboBox* frmCalc::*list;
};

const ListCase kLists[] = {
    {"PIPE_MATERIALCombo", &frmCalc::PIPE_MATERIALCombo},
    {"SENSOR_MOUNTCombo", &frmCalc::SENSOR_MOUNTCombo},
    {"SENSOR_TYPECombo", &frmCalc::SENSOR_TYPECombo},
    {"LINING_MATERIALCombo", &frmCalc::LINING_MATERIALCombo},
    {"KIND_OF_FLUIDCombo", &frmCalc::KIND_OF_FLUIDCombo},
};

TEST(WindowWheel, ListWithoutFocusIgnoresTheWheel) {
    for (const ListCase& c : kLists) {
        SCOPED_TRACE(c.name);
        MessageBoxWatchdog boxes;
        CalcWindowDriver driver;
        QComboBox* list = driver.window().*c.list;
        QLineEdit* focused = driver->OUTER_DIAMETERText;
        ASSERT_TRUE(focused->hasFocus());
        ASSERT_GT(list->count(), 1);
        const int before = list->currentIndex();

        TurnWheel(list, Turn::Down);
        driver.Settle();
        EXPECT_EQ(list->currentIndex(), before);
        TurnWheel(list, Turn::Up);
        driver.Settle();
        EXPECT_EQ(list->currentIndex(), before);
        EXPECT_TRUE(focused->hasFocus()) << "the wheel must not move the focus";
        EXPECT_TRUE(boxes.Shown().empty());
    }
}

TEST(WindowWheel, ListWithFocusStepsWithTheWheel) {
    for (const ListCase& c : kLists) {
        SCOPED_TRACE(c.name);
        MessageBoxWatchdog boxes;
        CalcWindowDriver driver;
        QComboBox* list = driver.window().*c.list;
        driver.Pick(list, 0);
        ASSERT_GT(list->count(), 1);

        TurnWheel(list, Turn::Down);
        driver.Settle();
        EXPECT_EQ(list->currentIndex(), 1);
        TurnWheel(list, Turn::Up);
        driver.Settle();
        EXPECT_EQ(list->currentIndex(), 0);
        EXPECT_TRUE(list->hasFocus());
        EXPECT_TRUE(boxes.Shown().empty());
    }
}

}  // namespace
