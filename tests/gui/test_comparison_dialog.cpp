// Every sensor and method from the sensor list's and the results' context
// menus, by keys: a cell taken lands in the window's lists and results; Esc,
// and a cell that cannot be mounted, change nothing; entries that Execute
// refuses are refused as it does, and no table opens.
#include <QMenu>
#include <QTableWidget>

#include "CalcWindowDriver.h"
#include "window/ComparisonDialog.h"

namespace {

// Shift+F10 on `control`, its menu's comparison entry by the arrow keys and
// Enter; `drive`, if any, runs once the dialog is up.
void OpenComparisonByKeys(QWidget* control, const QString& entry,
                          std::function<void(QTableWidget*)> drive = {}) {
    if (drive) {
        WhenUp<ComparisonDialog>(
            [drive](ComparisonDialog* dialog) { drive(dialog->findChild<QTableWidget*>()); });
    }
    WhenUp<QMenu>([entry](QMenu* menu) {
        for (int i = 0; i < 9 && (!menu->activeAction() || menu->activeAction()->text() != entry);
             ++i)
            QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    control->window()->activateWindow();  // back from a dialog
    EXPECT_TRUE(QTest::qWaitForWindowActive(control->window()));
    control->setFocus(Qt::TabFocusReason);
    QTest::keyClick(control, Qt::Key_F10, Qt::ShiftModifier);
}

TEST(ComparisonDialog, ByKeysACellTakenLandsInTheWindowAndNothingElseChangesIt) {
    CalcWindowDriver d;  // Japanese, metric
    const QString entry = d.Startup().Text(TextId::CompareMenuEntry);
    d.TypeInto(d.Field("OUTER_DIAMETERText"), "32");
    d.TypeInto(d.Field("WALL_THICKNESSText"), "3.1");
    d.Pick(d.List("PIPE_MATERIALCombo"), kPvcEntry);
    QComboBox* sensors = d.List("SENSOR_TYPECombo");
    QComboBox* methods = d.List("SENSOR_MOUNTCombo");
    d.Pick(sensors, sensors->findText("TB_01/TC_01"));
    // The cells the keys reach; "open" after Enter on one that cannot be mounted.
    QStringList passed;
    OpenComparisonByKeys(sensors, entry, [&](QTableWidget* cells) {
        // Already on V: the sensor's own columns are passed by.
        QTest::keyClick(cells, Qt::Key_Left);
        passed << cells->currentItem()->text();
        QTest::keyClick(cells, Qt::Key_Return);
        passed << (cells->window()->isVisible() ? "open" : "closed");
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(cells, Qt::Key_Right);
            passed << cells->currentItem()->text();
        }
        passed << cells->window()->findChild<QLabel*>("chosen")->text();
        QTest::keyClick(cells, Qt::Key_Return);
    });
    d.Settle();
    EXPECT_EQ(passed,
              QStringList({"-", "open", "-", "1.24", "11.99", "TB_01/TC_01  W法:  11.99 mm"}));
    EXPECT_EQ(sensors->currentText(), "TB_01/TC_01");
    EXPECT_EQ(methods->currentText(), "W法");
    EXPECT_EQ(d.Field("txtResult1Text")->text(), "11.99");

    // From a result, another sensor reached, then Esc.
    OpenComparisonByKeys(d.Field("txtResult1Text"), entry, [&](QTableWidget* cells) {
        QTest::keyClick(cells, Qt::Key_Down);
        passed << cells->currentItem()->text();
        QTest::keyClick(cells, Qt::Key_Escape);
    });
    d.Settle();
    EXPECT_EQ(passed.last(), "29.85");  // TB_02/TC_02 with W
    EXPECT_EQ(sensors->currentText(), "TB_01/TC_01");
    EXPECT_EQ(methods->currentText(), "W法");
    EXPECT_EQ(d.Field("txtResult1Text")->text(), "11.99");

    // The first row taken (the two reserve rows read alike: told apart by the list's position).
    OpenComparisonByKeys(sensors, entry, [&](QTableWidget* cells) {
        QTest::keyClick(cells, Qt::Key_PageUp);
        QTest::keyClick(cells, Qt::Key_Return);
    });
    d.Settle();
    EXPECT_EQ(sensors->currentIndex(), 0);
    EXPECT_EQ(d.Field("txtResult1Text")->text(), "46.89");

    // A wall that fills the pipe: Execute's message, the wall selected, no table (which the
    // watchdog would record as another box).
    d->activateWindow();  // back from the dialog
    EXPECT_TRUE(QTest::qWaitForWindowActive(d.operator->()));
    QLineEdit* wall = d.Field("WALL_THICKNESSText");
    d.TypeInto(wall, "16");
    MessageBoxWatchdog boxes;
    OpenComparisonByKeys(sensors, entry);
    d.Settle();
    EXPECT_EQ(boxes.Shown(), QStringList({"入力値が範囲外です"}));
    EXPECT_EQ(QApplication::focusWidget(), wall);
    EXPECT_EQ(wall->selectedText(), "16");
    EXPECT_EQ(d.Field("txtResult1Text")->text(), "46.89");
}

}  // namespace
