// The pipe size tables from the outer-diameter field's context menu and keys:
// what the fields, the pipe material and the focus show after accepting;
// Cancel leaves everything as it was.
#include "CalcWindowDriver.h"
#include "rules/ListPositions.h"
#include "window/PipeSizeDialog.h"

namespace {

TEST(PipeSizeDialog, SgpByKeysFillsTheFieldsAsTypedAndCancelChangesNothing) {
    CalcWindowDriver d({1, 0});  // Japanese, inches
    QLineEdit* diameter = d.Field("OUTER_DIAMETERText");
    d.Pick(d.List("PIPE_MATERIALCombo"), kPvcEntry);  // the table's steel replaces it
    diameter->setFocus();
    WhenUp<PipeSizeDialog>([&](PipeSizeDialog* dialog) {
        QTest::keyClicks(dialog->focusWidget(), "100");
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    });
    TakeFirstMenuEntry(diameter);
    d.Settle();
    EXPECT_EQ(diameter->text(), "4.500");
    EXPECT_EQ(d.Field("WALL_THICKNESSText")->text(), "0.177");
    EXPECT_EQ(d.List("PIPE_MATERIALCombo")->currentText(), "鋼管");
    EXPECT_EQ(d->focusWidget(), d.List("SENSOR_MOUNTCombo"));

    // Again with Alt+Down: it opens on the fields' row; moved about, Esc.
    d->activateWindow();  // back from the dialog
    ASSERT_TRUE(QTest::qWaitForWindowActive(d.operator->()));
    d.Pick(d.List("PIPE_MATERIALCombo"), kStainlessSteelEntry);
    diameter->setFocus();
    QStringList shown;  // on opening, and on another table after 125A
    WhenUp<PipeSizeDialog>([&](PipeSizeDialog* dialog) {
        const auto pick = [&] {
            shown << QString::fromStdString(std::string(ScheduleOf(dialog->Pick()).name) + ' ' +
                                            std::string(SizeOf(dialog->Pick()).name));
        };
        pick();
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Down);
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        QTest::keyClicks(dialog->focusWidget(), "asme sch80");
        pick();
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
    });
    QTest::keyClick(diameter, Qt::Key_Down, Qt::AltModifier);
    d.Settle();
    EXPECT_EQ(shown, QStringList({"SGP 100A", "ASME Sch80 5"}));  // 139.8 nearest 141.3
    EXPECT_EQ(diameter->text(), "4.500");
    EXPECT_EQ(d.Field("WALL_THICKNESSText")->text(), "0.177");
    EXPECT_EQ(d.List("PIPE_MATERIALCombo")->currentIndex(), kStainlessSteelEntry);
    EXPECT_EQ(d->focusWidget(), diameter);
    diameter->undo();  // the table's text was typed: it can be taken back
    EXPECT_EQ(diameter->text(), "");
}

}  // namespace
