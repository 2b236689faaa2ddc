// The velocity of water from its temperature, from the fluid list's context menu and the
// fluid velocity field's keys, locked or not: what the dialog shows while typing, what the
// list, the field and the focus show after Enter; Esc changes nothing, Undo takes it back.
#include <QContextMenuEvent>
#include <QMenu>

#include "CalcWindowDriver.h"
#include "window/WaterTemperatureDialog.h"

namespace {

TEST(WaterTemperatureDialog, TwentyByKeysTypesTheVelocityAndEscChangesNothing) {
    CalcWindowDriver d;  // Japanese, metric
    QComboBox* fluid = d.List("KIND_OF_FLUIDCombo");
    QLineEdit* velocity = d.Field("FLUID_S_VText");
    QStringList shown;  // while typing; whether Enter closed a refused temperature
    WhenUp<WaterTemperatureDialog>([&](WaterTemperatureDialog* dialog) {
        const auto* label = dialog->findChild<QLabel*>("velocity");
        for (const char* keys : {"101", "\b", "x"}) {
            QTest::keyClicks(dialog->focusWidget(), keys);
            shown << label->text();
        }
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        shown << (dialog->isVisible() ? "open" : "closed");
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
    });
    TakeFirstMenuEntry(fluid);
    d.Settle();
    EXPECT_EQ(shown, QStringList({"入力値が範囲外です", "流体音速: 1447 m/s",
                                  "数字以外のデータは許されません", "open"}));
    EXPECT_EQ(fluid->currentIndex(), 0);
    EXPECT_EQ(velocity->text(), "");
    EXPECT_TRUE(velocity->isReadOnly());

    // F4 in the locked field: 20, Enter.
    d->activateWindow();  // back from the dialog
    ASSERT_TRUE(QTest::qWaitForWindowActive(d.operator->()));
    velocity->setFocus();
    WhenUp<WaterTemperatureDialog>([](WaterTemperatureDialog* dialog) {
        QTest::keyClicks(dialog->focusWidget(), "20");
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    });
    QTest::keyClick(velocity, Qt::Key_F4);
    d.Settle();
    EXPECT_EQ(fluid->currentText(), "流体音速");
    EXPECT_EQ(velocity->text(), "1482");
    EXPECT_FALSE(velocity->isReadOnly());
    EXPECT_EQ(d->focusWidget(), d.Get<QPushButton>("ExecuteCalc"));  // as Tab from the field

    // Alt+Down in the field now unlocked: Esc; then Undo.
    d->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d.operator->()));
    velocity->setFocus();
    WhenUp<WaterTemperatureDialog>([](WaterTemperatureDialog* dialog) {
        QTest::keyClicks(dialog->focusWidget(), "60");
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
    });
    QTest::keyClick(velocity, Qt::Key_Down, Qt::AltModifier);
    d.Settle();
    EXPECT_EQ(velocity->text(), "1482");
    EXPECT_EQ(d->focusWidget(), velocity);
    QTest::keyClick(velocity, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(velocity->text(), "");
}

}  // namespace
