// The window's frame: fixed size, icon, kinds and stacking of controls.

#include <gtest/gtest.h>

#include <QLabel>

#include "test_window_fixture.h"

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
    EXPECT_EQ(w->Label4->parentWidget(), w->fraResult);
    EXPECT_EQ(w->findChild<QLabel*>("lblRequired_10"), w->lblRequired[10]);
    EXPECT_EQ(w->findChild<QLabel*>("Label1_1"), w->Label1[1]);
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

namespace {

// No caption may be cut off at its label's right edge, in either language
// and unit system, with the fonts the window actually draws with.
TEST(WindowLayout, EveryLabelCaptionFitsItsWidth) {
    for (const RunSettings run : kAllRunSettings) {
        WindowUnderTest w(run);
        for (QLabel* label : w->findChildren<QLabel*>()) {
            SCOPED_TRACE(::testing::Message() << run << ' ' << label->objectName().toStdString());
            const int needed = label->fontMetrics().horizontalAdvance(label->text());
            EXPECT_LE(needed, label->contentsRect().width()) << label->text().toStdString();
        }
        for (QComboBox* list : w->findChildren<QComboBox*>()) {
            for (int i = 0; i < list->count(); ++i) {
                const int needed = list->fontMetrics().horizontalAdvance(list->itemText(i));
                // Room left of the arrow button.
                EXPECT_LE(needed, list->width() - 30) << list->itemText(i).toStdString();
            }
        }
    }
}

}  // namespace
