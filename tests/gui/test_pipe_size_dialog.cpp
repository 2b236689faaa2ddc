// The pipe size tables from the outer-diameter field, driven by keys: what
// the fields, the pipe material and the focus show after accepting; Cancel
// leaves everything as it was. The spacing that follows is the tool's (the
// window-and-tool table).
#include <QContextMenuEvent>
#include <QMenu>

#include "CalcWindowDriver.h"
#include "rules/NameLists.h"
#include "window/PipeSizeDialog.h"

namespace {

void Keys(QWidget* dialog, const char* typed, Qt::Key last) {
    QTest::keyClicks(dialog->focusWidget(), typed);
    QTest::keyClick(dialog->focusWidget(), last);
}

int SensorIndex(const char* name) {
    return int(SensorNameList(0).indexOf(name));
}

TEST(PipeSizeDialog, SgpByKeysFillsTheFieldsAsTyped) {
    CalcWindowDriver d;  // Japanese, millimetres
    d.Pick(d.List("SENSOR_TYPECombo"), SensorIndex("TB_01/TC_01"));
    d.Pick(d.List("PIPE_MATERIALCombo"), 2);  // PVC: the table's steel replaces it
    d.Field("OUTER_DIAMETERText")->setFocus();
    QString dialogFont;
    WhenUp<PipeSizeDialog>([&](PipeSizeDialog* dialog) {
        dialogFont = dialog->font().family();
        Keys(dialog, "100", Qt::Key_Return);
    });
    QTest::keyClick(d.Field("OUTER_DIAMETERText"), Qt::Key_F4);
    d.Settle();
    EXPECT_EQ(dialogFont, d.Field("OUTER_DIAMETERText")->font().family());
    EXPECT_EQ(d.Field("OUTER_DIAMETERText")->text(), "114.3");
    EXPECT_EQ(d.Field("WALL_THICKNESSText")->text(), "4.5");
    EXPECT_EQ(d.List("PIPE_MATERIALCombo")->currentText(), "鋼管");
    EXPECT_TRUE(LooksLocked(d.Field("TRANS_FREQUENCYText")));
    EXPECT_EQ(d->focusWidget(), d.List("SENSOR_MOUNTCombo"));
    d.Field("OUTER_DIAMETERText")->undo();  // typed, so it can be taken back
    EXPECT_EQ(d.Field("OUTER_DIAMETERText")->text(), "");
    d.Field("OUTER_DIAMETERText")->redo();
}

TEST(PipeSizeDialog, AsmeFromTheMenuInInchesGivesTheExactInches) {
    CalcWindowDriver d({1, 1});  // inches, English
    QString firstEntry;
    WhenUp<QMenu>([&](QMenu* menu) {
        firstEntry = menu->actions().value(0)->text();
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    WhenUp<PipeSizeDialog>([&](PipeSizeDialog* dialog) {
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        Keys(dialog, "ASME Sch4", Qt::Key_Tab);  // the first table so named
        Keys(dialog, "4", Qt::Key_Enter);
    });
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
    QApplication::sendEvent(d.Field("OUTER_DIAMETERText"), &rightClick);
    d.Settle();
    EXPECT_EQ(firstEntry, "Pipe size table...");
    EXPECT_EQ(d.Field("OUTER_DIAMETERText")->text(), "4.500");
    EXPECT_EQ(d.Field("WALL_THICKNESSText")->text(), "0.237");
    EXPECT_EQ(d.List("PIPE_MATERIALCombo")->currentText(), "CARBON STEEL");
}

TEST(PipeSizeDialog, OpensOnTheFieldsRowAndCancelChangesNothing) {
    CalcWindowDriver d;
    d.TypeInto(d.Field("WALL_THICKNESSText"), "3.9");
    d.TypeInto(d.Field("OUTER_DIAMETERText"), "60.5");
    d.Pick(d.List("PIPE_MATERIALCombo"), 1);  // STAINLESS STEEL
    d.Field("OUTER_DIAMETERText")->setFocus();
    QString opened;
    WhenUp<PipeSizeDialog>([&](PipeSizeDialog* dialog) {
        const PipeSizePick pick = dialog->Pick();
        opened = QString::fromStdString(std::string(ScheduleOf(pick).name) + ' ' +
                                        std::string(SizeOf(pick).name));
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Down);
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        Keys(dialog, "", Qt::Key_Down);
        Keys(dialog, "", Qt::Key_Escape);
    });
    QTest::keyClick(d.Field("OUTER_DIAMETERText"), Qt::Key_Down, Qt::AltModifier);
    d.Settle();
    EXPECT_EQ(opened, "SUS Sch40 50A");  // STPG Sch40 has it too, in carbon steel
    EXPECT_EQ(d.Field("OUTER_DIAMETERText")->text(), "60.5");
    EXPECT_EQ(d.Field("WALL_THICKNESSText")->text(), "3.9");
    EXPECT_EQ(d.List("PIPE_MATERIALCombo")->currentIndex(), 1);
    EXPECT_EQ(d->focusWidget(), d.Field("OUTER_DIAMETERText"));
}

}  // namespace
