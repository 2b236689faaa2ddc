// The window's frame: fixed size, icon, kinds and stacking of controls.

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "test_window_fixture.h"
#include "window/frmCalcLayout.h"

namespace {

TEST(WindowLayout, ClientAreaIsFixed) {
    WindowUnderTest w(RunSettings{0, 0});
    EXPECT_EQ(w->size(), QSize(926, 471));
    EXPECT_EQ(w->minimumSize(), QSize(926, 471));
    EXPECT_EQ(w->maximumSize(), QSize(926, 471));
}

TEST(WindowLayout, IconHasBothSizes) {
    WindowUnderTest w(RunSettings{0, 0});
    const QIcon icon = w->windowIcon();
    ASSERT_FALSE(icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
}

TEST(WindowLayout, EveryControlExistsOnceWithItsKindAndContainer) {
    WindowUnderTest w(RunSettings{0, 0});
    int controls = 0;
    for (const ControlSpec& spec : WindowLayout()) {
        const QString name = ControlObjectName(spec);
        SCOPED_TRACE(name.toStdString());
        const auto found = w->findChildren<QWidget*>(name);
        ASSERT_EQ(found.size(), 1);
        QWidget* control = found.front();
        switch (spec.kind) {
            case ControlKind::Label:
                EXPECT_TRUE(qobject_cast<QLabel*>(control));
                break;
            case ControlKind::TextField:
                EXPECT_TRUE(qobject_cast<QLineEdit*>(control));
                break;
            case ControlKind::DropDownList:
                EXPECT_TRUE(qobject_cast<QComboBox*>(control));
                break;
            case ControlKind::Frame:
                EXPECT_TRUE(qobject_cast<QGroupBox*>(control));
                break;
            case ControlKind::Button:
                EXPECT_TRUE(qobject_cast<QPushButton*>(control));
                break;
        }
        EXPECT_EQ(control->parentWidget(), spec.container ? static_cast<QWidget*>(w->fraResult)
                                                          : static_cast<QWidget*>(&*w));
        ++controls;
    }
    EXPECT_EQ(controls, 54);
    EXPECT_EQ(w->lblRequired[10]->objectName(), "lblRequired_10");
    EXPECT_EQ(w->Label1[1]->objectName(), "Label1_1");
}

// A few positions in window pixels, worked out by hand from the design.
TEST(WindowLayout, ControlsStandWhereDesigned) {
    WindowUnderTest w(RunSettings{0, 0});
    EXPECT_EQ(w->OUTER_DIAMETERText->geometry(), QRect(216, 32, 161, 27));
    EXPECT_EQ(w->LINING_MATERIALCombo->geometry(), QRect(688, 32, 217, 26));
    EXPECT_EQ(w->ExecuteCalcButton->geometry(), QRect(656, 336, 241, 81));
    EXPECT_EQ(w->txtResult1Text->geometry(), QRect(224, 352, 217, 27));
    EXPECT_EQ(w->txtResult2Text->geometry(), QRect(224, 400, 217, 25));
    // Inside the frame, relative to it: window (480, 5280) twips.
    EXPECT_EQ(w->MOUNT_SIZE1->mapTo(&*w, QPoint(0, 0)), QPoint(32, 352));
    EXPECT_EQ(w->Label4->mapTo(&*w, QPoint(0, 0)), QPoint(456, 360));
}

TEST(WindowLayout, ResultFieldsLieInFrontOfTheFrame) {
    WindowUnderTest w(RunSettings{0, 0});
    for (QLineEdit* result : {w->txtResult1Text, w->txtResult2Text}) {
        EXPECT_EQ(result->parentWidget(), &*w);
        EXPECT_TRUE(w->fraResult->geometry().contains(result->geometry()));
        const QPoint centre = result->geometry().center();
        EXPECT_EQ(w->childAt(centre), result);
        EXPECT_EQ(result->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    }
}

TEST(WindowLayout, NumericFieldsAreRightAlignedWithoutInputMethod) {
    WindowUnderTest w(RunSettings{0, 0});
    for (QLineEdit* field : {w->OUTER_DIAMETERText, w->TRANS_FREQUENCYText, w->WALL_THICKNESSText,
                             w->LINING_S_VText, w->LINING_THICKNESSText, w->FLUID_S_VText}) {
        EXPECT_EQ(field->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        EXPECT_FALSE(field->testAttribute(Qt::WA_InputMethodEnabled));
    }
}

// Japanese captions must draw with a face that has the glyphs.
TEST(WindowLayout, JapaneseCaptionFontHasJapaneseGlyphs) {
    WindowUnderTest w(RunSettings{0, 0});
    const QFontMetrics metrics(w->LINING_MATERIAL->font());
    for (const QChar c : w->LINING_MATERIAL->text() + w->PIPE_MATERIALCombo->itemText(0)) {
        EXPECT_TRUE(metrics.inFont(c)) << "U+" << std::hex << static_cast<int>(c.unicode());
    }
}

}  // namespace
