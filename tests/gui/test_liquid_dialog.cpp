// The velocity of a liquid from its temperature, from the fluid velocity field's keys and
// the fluid list's context menu: what the dialog shows while typing, what the list, the
// field and the focus show after Enter; Esc changes nothing, Undo takes it back.
#include "CalcWindowDriver.h"
#include "window/LiquidTemperatureDialog.h"

namespace {

QString Line(QDialog* dialog, const char* name) {
    return dialog->findChild<QLabel*>(name)->text();
}

TEST(LiquidTemperatureDialog, SeawaterByKeysThenToluolAndEscChangesNothing) {
    CalcWindowDriver d;  // Japanese, metric
    QComboBox* fluid = d.List("KIND_OF_FLUIDCombo");
    QLineEdit* velocity = d.Field("FLUID_S_VText");
    d.Pick(fluid, 1);  // 海水
    QStringList shown;
    QFont dialogFont;
    WhenUp<LiquidTemperatureDialog>([&](LiquidTemperatureDialog* dialog) {
        dialogFont = dialog->font();
        shown << dialog->findChild<QComboBox*>("liquid")->currentText()
              << dialog->findChild<QLineEdit*>("salinity")->text();
        for (const char* keys : {"41", "\b\b10"}) {
            QTest::keyClicks(dialog->focusWidget(), keys);
            shown << Line(dialog, "velocity");
        }
        shown << Line(dialog, "source");
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    });
    velocity->setFocus();
    QTest::keyClick(velocity, Qt::Key_F4);  // in the locked field
    d.Settle();
    EXPECT_EQ(shown, QStringList({"海水", "35", "入力値が範囲外です", "流体音速: 1490 m/s",
                                  "出典: Chen & Millero (1977), Wong & Zhu (1995) (0-40°C)"}));
    EXPECT_EQ(dialogFont, velocity->font());  // the window's entries' font
    EXPECT_EQ(fluid->currentText(), "流体音速");
    EXPECT_EQ(velocity->text(), "1490");
    EXPECT_EQ(d->focusWidget(), d.Get<QPushButton>("ExecuteCalc"));  // as Tab from the field

    // ﾐﾙｸ has no model: the dialog says so and starts on water; toluene at 60 °C, Esc.
    d.Pick(fluid, 10);
    shown.clear();
    WhenUp<LiquidTemperatureDialog>([&](LiquidTemperatureDialog* dialog) {
        auto* liquid = dialog->findChild<QComboBox*>("liquid");
        shown << liquid->currentText() << Line(dialog, "note");
        liquid->setCurrentIndex(liquid->findText("ﾄﾙｴﾝ"));
        QTest::keyClicks(dialog->findChild<QLineEdit*>("temperature"), "60");
        shown << Line(dialog, "velocity")
              << QString::number(dialog->findChild<QLineEdit*>("salinity")->isEnabled());
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
    });
    TakeFirstMenuEntry(fluid);
    d.Settle();
    EXPECT_EQ(shown, QStringList({"水", "ﾐﾙｸ には温度からの音速モデルがありません。水で始めます。",
                                  "流体音速: 1158 m/s", "0"}));
    EXPECT_EQ(fluid->currentText(), "ﾐﾙｸ");
    EXPECT_EQ(velocity->text(), "1490");
}

// In an inch run the temperature is in °F and the velocity in whole ft/s; a refrigerant's
// note says it is the saturated liquid's and how much faster per bar above saturation.
TEST(LiquidTemperatureDialog, RefrigerantInFahrenheit) {
    CalcWindowDriver d({1, 1});  // inch, English
    QLineEdit* velocity = d.Field("FLUID_S_VText");
    d.Pick(d.List("KIND_OF_FLUIDCombo"), 16);  // REFRIGERANT R410
    QStringList shown;
    WhenUp<LiquidTemperatureDialog>([&](LiquidTemperatureDialog* dialog) {
        QTest::keyClicks(dialog->focusWidget(), "32");
        shown << Line(dialog, "velocity") << Line(dialog, "note") << Line(dialog, "source");
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    });
    velocity->setFocus();
    QTest::keyClick(velocity, Qt::Key_Down, Qt::AltModifier);
    d.Settle();
    EXPECT_EQ(shown, QStringList({"FLUID S.V.: 1849 ft/s",
                                  "For saturated liquid: about 3.8 ft/s faster per bar above "
                                  "saturation.",
                                  "Source: Lemmon (2003) (-40-122°F)"}));
    EXPECT_EQ(velocity->text(), "1849");
    QTest::keyClick(velocity, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(velocity->text(), "");
}

}  // namespace
