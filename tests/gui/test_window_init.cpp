// The window as it opens, in every combination of language and unit system:
// captions, list entries, unit and range labels, fonts, lock states, marks.

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <vector>

#include "CalcWindowDriver.h"
#include "support/TestSupport.h"

namespace {

struct TwoTexts {
    const char* japanese;  // UTF-8
    const char* english;
};

QString In(const TwoTexts& texts, const CalcRun& run) {
    return QString::fromUtf8(run.english() ? texts.english : texts.japanese);
}

QStringList AllIn(const std::vector<TwoTexts>& list, const CalcRun& run) {
    QStringList texts;
    for (const auto& entry : list) texts << In(entry, run);
    return texts;
}

struct CaptionCase {
    const char* control;
    TwoTexts text;
};

const CaptionCase kCaptions[] = {
    {"OUTER_DIAMETER", {"外径寸法", "OUTER DIAMETER"}},
    {"PIPE_MATERIAL", {"配管材質", "PIPE MATERIAL"}},
    {"TRANS_FREQUENCY", {"配管音速", "PIPE S.V."}},
    {"WALL_THICKNESS", {"配管厚さ", "WALL THICKNESS"}},
    {"SENSOR_MOUNT", {"ｾﾝｻ取付け法", "SENSOR MOUNT"}},
    {"SENSOR_TYPE", {"ｾﾝｻ種類", "SENSOR TYPE"}},
    {"LINING_MATERIAL", {"ﾗｲﾆﾝｸﾞ材質", "LINING MATERIAL"}},
    {"LINING_S_V", {"ﾗｲﾆﾝｸﾞ音速", "LINING S.V."}},
    {"LINING_THICKNESS", {"ﾗｲﾆﾝｸﾞ厚さ", "LINING THICKNESS"}},
    {"KIND_OF_FLUID", {"流体種類", "KIND OF FLUID"}},
    {"FLUID_S_V", {"流体音速", "FLUID S.V."}},
    {"MOUNT_SIZE1", {"取付け寸法1", "SENSOR SPACING1"}},
    {"MOUNT_SIZE2", {"取付け寸法2", "SENSOR SPACING2"}},
    {"ExecuteCalc", {"実行", "EXECUTE"}},
    {"fraResult", {"計算結果", "Calculation Result"}},
    {"lblInputRequired", {"* : 入力", "* : INPUT"}},
    {"lblMount2Sensor", {"(TA_01,TA_02)", "(TA_01,TA_02)"}},
};

const std::vector<TwoTexts> kPipes = {
    {"鋼管", "CARBON STEEL"},
    {"ｽﾃﾝﾚｽ管", "STAINLESS STEEL"},
    {"塩ﾋﾞ管", "PVC"},
    {"銅管", "COPPER"},
    {"鋳鉄管", "CAST IRON"},
    {"ｱﾙﾐﾆｳﾑ管", "ALUMINUM"},
    {"FRP", "FRP"},
    {"ﾀﾞｸﾀｲﾙ鋳鉄管", "DUCTILE IRON"},
    {"PEEK", "PEEK"},
    {"PVDF", "PVDF"},
    {"ｱｸﾘﾙ管", "ACRYLIC"},
    {"PP", "PP"},
    {"配管音速", "PIPE S.V."},
};
const std::vector<TwoTexts> kLinings = {
    {"ﾗｲﾆﾝｸﾞ無し", "NO LINING"},
    {"ﾀｰﾙｴﾎﾟｷｼ", "TAR EPOXY"},
    {"ﾓﾙﾀﾙ", "MORTAR"},
    {"ｺﾞﾑ", "RUBBER"},
    {"ﾃﾌﾛﾝ", "TEFLON"},
    {"ﾊﾟｲﾚｯｸｽｶﾞﾗｽ", "PYREX GLASS"},
    {"塩ビ", "PVC"},
    {"ﾗｲﾆﾝｸﾞ音速", "LINING S.V."},
};
const std::vector<TwoTexts> kFluids = {
    {"水", "WATER"},
    {"海水", "SEAWATER"},
    {"蒸留水", "DIST. WATER"},
    {"ｱﾝﾓﾆｱ", "AMMONIA"},
    {"ｱﾙｺｰﾙ", "ALCOHOL"},
    {"ﾍﾞﾝｾﾞﾝ", "BENZENE"},
    {"ﾌﾞﾘﾏｲﾄﾞ", "BROMIDE"},
    {"ｴﾀﾉｰﾙ", "ETHANOL"},
    {"ｸﾞﾘｺｰﾙ", "GLYCOL"},
    {"ｹﾛｼﾝ", "KEROSENE"},
    {"ﾐﾙｸ", "MILK"},
    {"ﾒﾀﾉｰﾙ", "METHANOL"},
    {"ﾄﾙｴﾝ", "TOLUOL"},
    {"潤滑油", "LUBE OIL"},
    {"燃料油", "FUEL OIL"},
    {"ｶﾞｿﾘﾝ", "PETROL"},
    {"冷媒 R410", "REFRIGERANT R410"},
    {"流体音速", "FLUID S.V."},
};
const std::vector<TwoTexts> kMounts = {{"V法", "V METHOD"}, {"Z法", "Z METHOD"}};
const QStringList kSensors = {
    "RESERVE",     "RESERVE",     "TA_01",       "TA_02", "TB_01/TC_01", "TB_02/TC_02",
    "TB_03/TC_03", "TB_04/TC_04", "TB_05/TC_05", "TD_01", "TD_02",       "TD_03",
};

QString CaptionOf(QWidget* control) {
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    if (auto* button = qobject_cast<QPushButton*>(control)) return button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(control)) return frame->title();
    return QStringLiteral("<no caption>");
}

class WindowInitTest : public ::testing::TestWithParam<CalcRun> {};

TEST_P(WindowInitTest, TitleCaptionsAndListsAreInTheRunsLanguage) {
    const CalcRun run = GetParam();
    CalcWindowDriver d(run);
    EXPECT_EQ(d->windowTitle(), In({"超音波流量計 - 取付け寸法計算ツール",
                                    "Ultrasonic Flowmeter - Sensor Spacing Calculation Tool"},
                                   run));
    for (const auto& c : kCaptions) {
        auto* control = d->findChild<QWidget*>(QString::fromLatin1(c.control));
        ASSERT_NE(control, nullptr) << c.control;
        EXPECT_EQ(CaptionOf(control), In(c.text, run)) << c.control;
    }
    for (QLabel* mark : d->lblRequired) EXPECT_EQ(mark->text(), "*");
    EXPECT_EQ(d->OUTER_DIAMETERText->accessibleName(), In(kCaptions[0].text, run));
    EXPECT_EQ(d->FLUID_S_V->buddy(), d->FLUID_S_VText);

    struct ListCase {
        QComboBox* list;
        QStringList entries;
    } const lists[] = {
        {d->PIPE_MATERIALCombo, AllIn(kPipes, run)},
        {d->KIND_OF_FLUIDCombo, AllIn(kFluids, run)},
        {d->LINING_MATERIALCombo, AllIn(kLinings, run)},
        {d->SENSOR_MOUNTCombo, AllIn(kMounts, run)},
        {d->SENSOR_TYPECombo, kSensors},
    };
    for (const auto& [list, entries] : lists) {
        SCOPED_TRACE(list->objectName().toStdString());
        QStringList shown;
        for (int i = 0; i < list->count(); ++i) shown << list->itemText(i);
        EXPECT_EQ(shown, entries);
        EXPECT_EQ(list->currentIndex(), 0);
        EXPECT_FALSE(list->isEditable());
    }
}

TEST_P(WindowInitTest, UnitAndRangeLabelsFollowTheUnitSystem) {
    const CalcRun run = GetParam();
    CalcWindowDriver d(run);
    const QString length = run.inch() ? "[inch]" : "[mm]";
    const QString velocity = run.inch() ? "[ft/s]" : "[m/s]";
    for (QLabel* label : {d->Label8[0], d->Label8[1], d->Label2[0], d->Label4}) {
        EXPECT_EQ(label->text(), length) << label->objectName().toStdString();
    }
    for (QLabel* label : {d->Label1[0], d->Label1[1], d->Label12[0]}) {
        EXPECT_EQ(label->text(), velocity) << label->objectName().toStdString();
    }
    struct RangeCase {
        QLabel* label;
        const char* metric;
        const char* inch;
    } const ranges[] = {
        {d->OUTER_DIAMETER_RANGE, "6.00-6200.00mm", "0.2362-244.100inch"},
        {d->TRANS_FREQUENCY_RANGE, "1000-3700m/s", "3280-12140ft/s"},
        {d->WALL_THICKNESS_RANGE, "0.10-100.00mm", "0.0039-3.9380inch"},
        {d->LINING_S_V_RANGE, "1000-3700m/s", "3280-12140ft/s"},
        {d->LINING_THICKNESS_RANGE, "0.01-100.00mm", "0.0003-3.9380inch"},
        {d->FLUID_S_V_RANGE, "300-2500m/s", "984-8203ft/s"},
    };
    for (const auto& r : ranges) {
        EXPECT_EQ(r.label->text(), QString::fromLatin1(run.inch() ? r.inch : r.metric))
            << r.label->objectName().toStdString();
    }
}

TEST_P(WindowInitTest, FieldsMarksAndResultsAreInTheirStartingState) {
    CalcWindowDriver d(GetParam());
    for (QLineEdit* field : {d->OUTER_DIAMETERText, d->WALL_THICKNESSText}) {
        EXPECT_TRUE(field->text().isEmpty() && LooksUnlocked(field))
            << field->objectName().toStdString();
    }
    for (QLineEdit* field : {d->TRANS_FREQUENCYText, d->LINING_S_VText, d->LINING_THICKNESSText,
                             d->FLUID_S_VText, d->txtResult1Text, d->txtResult2Text}) {
        EXPECT_TRUE(field->text().isEmpty() && LooksLocked(field))
            << field->objectName().toStdString();
    }
    for (QLineEdit* result : {d->txtResult1Text, d->txtResult2Text}) {
        EXPECT_EQ(result->palette().color(QPalette::Text), QColor(255, 0, 0));
    }
    const bool enabled[] = {true, true, false, true, true, true, true, false, false, true, false};
    for (std::size_t i = 0; i < d->lblRequired.size(); ++i) {
        EXPECT_EQ(d->lblRequired[i]->isEnabled(), enabled[i]) << "mark " << i;
    }
}

TEST_P(WindowInitTest, FontGroupsCarryTheCaptionFontName) {
    const CalcRun run = GetParam();
    CalcWindowDriver d(run);
    frmCalc& w = d.window();
    const QString name = QString::fromUtf8(run.english() ? "Arial" : "ＭＳ ゴシック");
    const double markPoints = run.english() ? 14.0 : 12.0;
    struct Group {
        std::vector<QWidget*> controls;
        double points;
        bool bold;
    } const groups[] = {
        {{w.OUTER_DIAMETER, w.PIPE_MATERIAL, w.TRANS_FREQUENCY, w.WALL_THICKNESS, w.SENSOR_MOUNT,
          w.SENSOR_TYPE, w.LINING_MATERIAL, w.LINING_S_V, w.LINING_THICKNESS, w.KIND_OF_FLUID,
          w.FLUID_S_V, w.MOUNT_SIZE1, w.MOUNT_SIZE2, w.ExecuteCalcButton, w.fraResult},
         12,
         true},
        {{&w, w.Label8[0], w.Label8[1], w.Label12[0], w.Label1[0], w.Label1[1], w.Label2[0],
          w.Label4},
         8,
         false},
        {{w.PIPE_MATERIALCombo, w.KIND_OF_FLUIDCombo, w.LINING_MATERIALCombo, w.SENSOR_MOUNTCombo,
          w.SENSOR_TYPECombo, w.OUTER_DIAMETERText, w.TRANS_FREQUENCYText, w.WALL_THICKNESSText,
          w.LINING_S_VText, w.LINING_THICKNESSText, w.FLUID_S_VText},
         12,
         false},
        {{w.txtResult1Text, w.txtResult2Text}, 12, true},
        {{w.lblRequired.begin(), w.lblRequired.end()}, markPoints, true},
        {{w.lblInputRequired}, markPoints, true},
        {{w.lblMount2Sensor}, 10, false},
    };
    for (const auto& group : groups) {
        for (QWidget* control : group.controls) {
            SCOPED_TRACE(control->objectName().toStdString());
            EXPECT_EQ(control->font().family(), name);
            EXPECT_DOUBLE_EQ(control->font().pointSizeF(), group.points);
            EXPECT_EQ(control->font().bold(), group.bold);
            EXPECT_FALSE(control->font().italic());
        }
    }
    // The range labels keep their design font for the whole run.
    for (QLabel* range : {w.OUTER_DIAMETER_RANGE, w.TRANS_FREQUENCY_RANGE, w.WALL_THICKNESS_RANGE,
                          w.LINING_S_V_RANGE, w.LINING_THICKNESS_RANGE, w.FLUID_S_V_RANGE}) {
        EXPECT_EQ(range->font().family(), "Terminal");
        EXPECT_DOUBLE_EQ(range->font().pointSizeF(), 9.75);
        EXPECT_FALSE(range->font().bold());
    }
}

INSTANTIATE_TEST_SUITE_P(AllRuns, WindowInitTest, ::testing::ValuesIn(kAllRuns),
                         [](const auto& info) { return ::testing::PrintToString(info.param); });

// Any non-zero flag means English, not only 1.
TEST(WindowInitOddFlags, AnyNonZeroFlagSelectsEnglishUnitsAndMarkSize) {
    CalcWindowDriver d({7, -3});
    EXPECT_EQ(d->Label8[0]->text(), "[inch]");
    EXPECT_EQ(d->TRANS_FREQUENCYText->maxLength(), 5);
    EXPECT_DOUBLE_EQ(d->lblRequired[0]->font().pointSizeF(), 14.0);
}

}  // namespace
