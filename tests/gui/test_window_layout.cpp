// The window's frame: fixed size, icon, kinds, places and stacking of controls.

#include <gtest/gtest.h>

#include <QLabel>
#include <cmath>

#include "CalcWindowDriver.h"

namespace {

// Kinds of control, by the class they are built from.
constexpr const char *Label = "QLabel", *Text = "QLineEdit", *List = "QComboBox",
                     *Frame = "QGroupBox", *Button = "QPushButton";
enum In { Window, InFrame };

struct DesignedControl {
    const char* name;
    const char* kind;
    In container;
    int left, top, width, height;  // twips, relative to the container
};

// The design, copied by hand from the layout sheet.
const DesignedControl kDesign[] = {
    {"OUTER_DIAMETER", Label, Window, 240, 600, 2415, 255},
    {"lblRequired_0", Label, Window, 2880, 600, 255, 255},
    {"OUTER_DIAMETERText", Text, Window, 3240, 480, 2412, 405},
    {"Label8_0", Label, Window, 5760, 600, 735, 255},
    {"OUTER_DIAMETER_RANGE", Label, Window, 3240, 900, 2415, 255},
    {"PIPE_MATERIAL", Label, Window, 240, 1320, 2415, 255},
    {"lblRequired_1", Label, Window, 2880, 1320, 255, 255},
    {"PIPE_MATERIALCombo", List, Window, 3240, 1200, 3255, 390},
    {"TRANS_FREQUENCY", Label, Window, 240, 2040, 2415, 255},
    {"lblRequired_2", Label, Window, 2880, 2040, 255, 255},
    {"TRANS_FREQUENCYText", Text, Window, 3240, 1920, 2412, 405},
    {"Label12_0", Label, Window, 5760, 2040, 735, 255},
    {"TRANS_FREQUENCY_RANGE", Label, Window, 3240, 2340, 2415, 255},
    {"WALL_THICKNESS", Label, Window, 240, 2760, 2415, 255},
    {"lblRequired_3", Label, Window, 2880, 2760, 255, 255},
    {"WALL_THICKNESSText", Text, Window, 3240, 2640, 2412, 405},
    {"Label8_1", Label, Window, 5760, 2760, 735, 255},
    {"WALL_THICKNESS_RANGE", Label, Window, 3240, 3060, 2415, 255},
    {"SENSOR_MOUNT", Label, Window, 240, 3480, 2415, 255},
    {"lblRequired_4", Label, Window, 2880, 3480, 255, 255},
    {"SENSOR_MOUNTCombo", List, Window, 3240, 3360, 2415, 390},
    {"SENSOR_TYPE", Label, Window, 240, 4200, 2415, 255},
    {"lblRequired_5", Label, Window, 2880, 4200, 255, 255},
    {"SENSOR_TYPECombo", List, Window, 3240, 4080, 2415, 390},
    {"LINING_MATERIAL", Label, Window, 6720, 600, 3015, 255},
    {"lblRequired_6", Label, Window, 9960, 600, 255, 255},
    {"LINING_MATERIALCombo", List, Window, 10320, 480, 3255, 390},
    {"LINING_S_V", Label, Window, 6720, 1320, 3015, 255},
    {"lblRequired_7", Label, Window, 9960, 1320, 255, 255},
    {"LINING_S_VText", Text, Window, 10320, 1200, 2415, 405},
    {"Label1_0", Label, Window, 12840, 1320, 735, 255},
    {"LINING_S_V_RANGE", Label, Window, 10320, 1620, 2415, 255},
    {"LINING_THICKNESS", Label, Window, 6720, 2040, 3015, 255},
    {"lblRequired_8", Label, Window, 9960, 2040, 255, 255},
    {"LINING_THICKNESSText", Text, Window, 10320, 1920, 2415, 405},
    {"Label2_0", Label, Window, 12840, 2040, 735, 255},
    {"LINING_THICKNESS_RANGE", Label, Window, 10320, 2340, 2415, 255},
    {"KIND_OF_FLUID", Label, Window, 6720, 2760, 3015, 255},
    {"lblRequired_9", Label, Window, 9960, 2760, 255, 255},
    {"KIND_OF_FLUIDCombo", List, Window, 10320, 2640, 3255, 390},
    {"FLUID_S_V", Label, Window, 6720, 3480, 3015, 255},
    {"lblRequired_10", Label, Window, 9960, 3480, 255, 255},
    {"FLUID_S_VText", Text, Window, 10320, 3360, 2415, 405},
    {"Label1_1", Label, Window, 12840, 3480, 735, 255},
    {"FLUID_S_V_RANGE", Label, Window, 10320, 3780, 2415, 255},
    {"fraResult", Frame, Window, 240, 4800, 8535, 1815},
    {"MOUNT_SIZE1", Label, InFrame, 240, 480, 2655, 255},
    {"txtResult1Text", Text, Window, 3360, 5280, 3255, 405},
    {"Label4", Label, InFrame, 6600, 600, 735, 255},
    {"MOUNT_SIZE2", Label, InFrame, 240, 1200, 2655, 255},
    {"txtResult2Text", Text, Window, 3360, 6000, 3255, 375},
    {"lblMount2Sensor", Label, InFrame, 6600, 1320, 1815, 375},
    {"lblInputRequired", Label, Window, 9000, 4080, 1215, 375},
    {"ExecuteCalc", Button, Window, 9840, 5040, 3615, 1215},
};

// 15 twips make a pixel at 96 dots per inch; no design value falls halfway.
int Pixels(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

TEST(WindowLayout, EveryControlStandsWhereDesigned) {
    CalcWindowDriver d;
    frmCalc& w = d.window();
    EXPECT_EQ(w.size(), QSize(926, 471));
    EXPECT_EQ(w.minimumSize(), w.maximumSize()) << "the border cannot be dragged";
    const QList<QSize> iconSizes = w.windowIcon().availableSizes();
    EXPECT_TRUE(iconSizes.contains(QSize(16, 16)) && iconSizes.contains(QSize(32, 32)));

    QStringList designed;
    for (const DesignedControl& c : kDesign) {
        SCOPED_TRACE(c.name);
        designed << QString::fromLatin1(c.name);
        auto* control = w.findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(control, nullptr);
        EXPECT_TRUE(control->inherits(c.kind));
        EXPECT_EQ(control->parentWidget(),
                  c.container == Window ? static_cast<QWidget*>(&w) : w.fraResult);
        EXPECT_EQ(control->geometry(),
                  QRect(Pixels(c.left), Pixels(c.top), Pixels(c.width), Pixels(c.height)));
    }
    // No control beyond the design.
    QStringList built;
    for (QWidget* parent : {static_cast<QWidget*>(&w), static_cast<QWidget*>(w.fraResult)}) {
        for (QWidget* control : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            built << control->objectName();
    }
    designed.sort();
    built.sort();
    EXPECT_EQ(built, designed);
    // The control arrays hold the items of their names.
    for (std::size_t i = 0; i < w.lblRequired.size(); ++i) {
        EXPECT_EQ(w.lblRequired[i]->objectName(), QStringLiteral("lblRequired_%1").arg(i));
    }
    EXPECT_EQ(w.Label1[1]->objectName(), "Label1_1");
    EXPECT_EQ(w.Label8[1]->objectName(), "Label8_1");
}

TEST(WindowLayout, NumbersAreRightAlignedAndResultsLieInFrontOfTheFrame) {
    CalcWindowDriver d;
    for (QLineEdit* field : {d->OUTER_DIAMETERText, d->TRANS_FREQUENCYText, d->WALL_THICKNESSText,
                             d->LINING_S_VText, d->LINING_THICKNESSText, d->FLUID_S_VText}) {
        EXPECT_EQ(field->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        EXPECT_FALSE(field->testAttribute(Qt::WA_InputMethodEnabled));
    }
    for (QLineEdit* result : {d->txtResult1Text, d->txtResult2Text}) {
        EXPECT_EQ(result->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        EXPECT_TRUE(d->fraResult->geometry().contains(result->geometry()));
        EXPECT_EQ(d->childAt(result->geometry().center()), result);
    }
}

// No caption may be cut off, in either language and unit system, with the
// fonts the window actually draws with; Japanese ones need a face with glyphs.
TEST(WindowLayout, EveryCaptionFitsAndHasItsGlyphs) {
    for (const CalcRun& run : kAllRuns) {
        CalcWindowDriver d(run);
        for (QLabel* label : d->findChildren<QLabel*>()) {
            SCOPED_TRACE(::testing::Message() << run << ' ' << label->objectName().toStdString());
            const int needed = label->fontMetrics().horizontalAdvance(label->text());
            EXPECT_LE(needed, label->contentsRect().width()) << label->text().toStdString();
        }
        for (QComboBox* list : d->findChildren<QComboBox*>()) {
            for (int i = 0; i < list->count(); ++i) {
                const int needed = list->fontMetrics().horizontalAdvance(list->itemText(i));
                // Room left of the arrow button.
                EXPECT_LE(needed, list->width() - 30) << list->itemText(i).toStdString();
            }
        }
    }
    CalcWindowDriver d;
    const QFontMetrics metrics(d->LINING_MATERIAL->font());
    for (const QChar c : d->LINING_MATERIAL->text() + d->PIPE_MATERIALCombo->itemText(0)) {
        EXPECT_TRUE(metrics.inFont(c)) << "U+" << std::hex << static_cast<int>(c.unicode());
    }
}

}  // namespace
