// The window's frame: fixed size, icon, kinds and stacking of controls.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <cmath>

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

enum class Kind { Label, TextField, DropDownList, Frame, Button };
enum class In { Window, Frame };

struct DesignedControl {
    const char* name;
    Kind kind;
    In container;
    int left, top, width, height;  // twips, relative to the container
};

// The design, copied by hand from the layout sheet.
const DesignedControl kDesign[] = {
    {"OUTER_DIAMETER", Kind::Label, In::Window, 240, 600, 2415, 255},
    {"lblRequired_0", Kind::Label, In::Window, 2880, 600, 255, 255},
    {"OUTER_DIAMETERText", Kind::TextField, In::Window, 3240, 480, 2412, 405},
    {"Label8_0", Kind::Label, In::Window, 5760, 600, 735, 255},
    {"OUTER_DIAMETER_RANGE", Kind::Label, In::Window, 3240, 900, 2415, 255},
    {"PIPE_MATERIAL", Kind::Label, In::Window, 240, 1320, 2415, 255},
    {"lblRequired_1", Kind::Label, In::Window, 2880, 1320, 255, 255},
    {"PIPE_MATERIALCombo", Kind::DropDownList, In::Window, 3240, 1200, 3255, 390},
    {"TRANS_FREQUENCY", Kind::Label, In::Window, 240, 2040, 2415, 255},
    {"lblRequired_2", Kind::Label, In::Window, 2880, 2040, 255, 255},
    {"TRANS_FREQUENCYText", Kind::TextField, In::Window, 3240, 1920, 2412, 405},
    {"Label12_0", Kind::Label, In::Window, 5760, 2040, 735, 255},
    {"TRANS_FREQUENCY_RANGE", Kind::Label, In::Window, 3240, 2340, 2415, 255},
    {"WALL_THICKNESS", Kind::Label, In::Window, 240, 2760, 2415, 255},
    {"lblRequired_3", Kind::Label, In::Window, 2880, 2760, 255, 255},
    {"WALL_THICKNESSText", Kind::TextField, In::Window, 3240, 2640, 2412, 405},
    {"Label8_1", Kind::Label, In::Window, 5760, 2760, 735, 255},
    {"WALL_THICKNESS_RANGE", Kind::Label, In::Window, 3240, 3060, 2415, 255},
    {"SENSOR_MOUNT", Kind::Label, In::Window, 240, 3480, 2415, 255},
    {"lblRequired_4", Kind::Label, In::Window, 2880, 3480, 255, 255},
    {"SENSOR_MOUNTCombo", Kind::DropDownList, In::Window, 3240, 3360, 2415, 390},
    {"SENSOR_TYPE", Kind::Label, In::Window, 240, 4200, 2415, 255},
    {"lblRequired_5", Kind::Label, In::Window, 2880, 4200, 255, 255},
    {"SENSOR_TYPECombo", Kind::DropDownList, In::Window, 3240, 4080, 2415, 390},
    {"LINING_MATERIAL", Kind::Label, In::Window, 6720, 600, 3015, 255},
    {"lblRequired_6", Kind::Label, In::Window, 9960, 600, 255, 255},
    {"LINING_MATERIALCombo", Kind::DropDownList, In::Window, 10320, 480, 3255, 390},
    {"LINING_S_V", Kind::Label, In::Window, 6720, 1320, 3015, 255},
    {"lblRequired_7", Kind::Label, In::Window, 9960, 1320, 255, 255},
    {"LINING_S_VText", Kind::TextField, In::Window, 10320, 1200, 2415, 405},
    {"Label1_0", Kind::Label, In::Window, 12840, 1320, 735, 255},
    {"LINING_S_V_RANGE", Kind::Label, In::Window, 10320, 1620, 2415, 255},
    {"LINING_THICKNESS", Kind::Label, In::Window, 6720, 2040, 3015, 255},
    {"lblRequired_8", Kind::Label, In::Window, 9960, 2040, 255, 255},
    {"LINING_THICKNESSText", Kind::TextField, In::Window, 10320, 1920, 2415, 405},
    {"Label2_0", Kind::Label, In::Window, 12840, 2040, 735, 255},
    {"LINING_THICKNESS_RANGE", Kind::Label, In::Window, 10320, 2340, 2415, 255},
    {"KIND_OF_FLUID", Kind::Label, In::Window, 6720, 2760, 3015, 255},
    {"lblRequired_9", Kind::Label, In::Window, 9960, 2760, 255, 255},
    {"KIND_OF_FLUIDCombo", Kind::DropDownList, In::Window, 10320, 2640, 3255, 390},
    {"FLUID_S_V", Kind::Label, In::Window, 6720, 3480, 3015, 255},
    {"lblRequired_10", Kind::Label, In::Window, 9960, 3480, 255, 255},
    {"FLUID_S_VText", Kind::TextField, In::Window, 10320, 3360, 2415, 405},
    {"Label1_1", Kind::Label, In::Window, 12840, 3480, 735, 255},
    {"FLUID_S_V_RANGE", Kind::Label, In::Window, 10320, 3780, 2415, 255},
    {"fraResult", Kind::Frame, In::Window, 240, 4800, 8535, 1815},
    {"MOUNT_SIZE1", Kind::Label, In::Frame, 240, 480, 2655, 255},
    {"txtResult1Text", Kind::TextField, In::Window, 3360, 5280, 3255, 405},
    {"Label4", Kind::Label, In::Frame, 6600, 600, 735, 255},
    {"MOUNT_SIZE2", Kind::Label, In::Frame, 240, 1200, 2655, 255},
    {"txtResult2Text", Kind::TextField, In::Window, 3360, 6000, 3255, 375},
    {"lblMount2Sensor", Kind::Label, In::Frame, 6600, 1320, 1815, 375},
    {"lblInputRequired", Kind::Label, In::Window, 9000, 4080, 1215, 375},
    {"ExecuteCalc", Kind::Button, In::Window, 9840, 5040, 3615, 1215},
};

bool IsOfKind(QWidget* control, Kind kind) {
    switch (kind) {
        case Kind::Label:
            return qobject_cast<QLabel*>(control) != nullptr;
        case Kind::TextField:
            return qobject_cast<QLineEdit*>(control) != nullptr;
        case Kind::DropDownList: {
            const auto* list = qobject_cast<QComboBox*>(control);
            return list != nullptr && !list->isEditable();
        }
        case Kind::Frame:
            return qobject_cast<QGroupBox*>(control) != nullptr;
        case Kind::Button:
            return qobject_cast<QPushButton*>(control) != nullptr;
    }
    return false;
}

// 15 twips make a pixel at 96 dots per inch; no design value falls halfway.
int Pixels(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

TEST(WindowLayout, EveryControlStandsWhereDesigned) {
    WindowUnderTest w(RunSettings{0, 0});
    QStringList designed;
    for (const DesignedControl& c : kDesign) {
        SCOPED_TRACE(c.name);
        designed << QString::fromLatin1(c.name);
        auto* control = w->findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(control, nullptr);
        EXPECT_TRUE(IsOfKind(control, c.kind));
        QWidget* container = c.container == In::Window ? static_cast<QWidget*>(&*w) : w->fraResult;
        EXPECT_EQ(control->parentWidget(), container);
        EXPECT_EQ(control->geometry(),
                  QRect(Pixels(c.left), Pixels(c.top), Pixels(c.width), Pixels(c.height)));
    }

    // No control beyond the design.
    QStringList built;
    for (QWidget* control : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        built << control->objectName();
    for (QWidget* control : w->fraResult->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        built << control->objectName();
    designed.sort();
    built.sort();
    EXPECT_EQ(built, designed);
}

TEST(WindowLayout, MembersAreTheNamedControls) {
    WindowUnderTest w(RunSettings{0, 0});
    EXPECT_EQ(w->findChild<QLabel*>("lblRequired_10"), w->lblRequired[10]);
    EXPECT_EQ(w->findChild<QLabel*>("Label1_1"), w->Label1[1]);
    EXPECT_EQ(w->findChild<QPushButton*>("ExecuteCalc"), w->ExecuteCalcButton);
    // Inside the frame, relative to it: window (480, 5280) twips.
    EXPECT_EQ(w->MOUNT_SIZE1->mapTo(&*w, QPoint(0, 0)), QPoint(32, 352));
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
