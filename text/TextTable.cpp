// The localised texts of the program. Each row holds a base id with its
// Japanese text and the English text of the twin id (base id + 5000). The
// Japanese texts mix full-width characters with half-width katakana on
// purpose: they are reproduced exactly as the product has always shown them.

#include "text/TextTable.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

namespace {

constexpr int kEnglishOffset = 5000;

struct TextRow {
    std::int16_t baseId;
    const char16_t* japanese;
    const char16_t* english;
};

// Kept sorted by base id: the lookup relies on it.
constexpr std::array kRows = std::to_array<TextRow>({
    {1, u"ＭＳ ゴシック", u"Arial"},
    {790, u"ｾﾝｻ取付け法", u"SENSOR MOUNT"},
    {800, u"ｾﾝｻ種類", u"SENSOR TYPE"},
    {1100, u"ﾗｲﾆﾝｸﾞ音速", u"LINING S.V."},
    {1110, u"ﾗｲﾆﾝｸﾞ厚さ", u"LINING THICKNESS"},
    {1120, u"ﾗｲﾆﾝｸﾞ材質", u"LINING MATERIAL"},
    {1240, u"外径寸法", u"OUTER DIAMETER"},
    {1380, u"取付け寸法", u"SENSOR SPACING"},
    {1967, u"入力", u"INPUT"},
    {2050, u"配管音速", u"PIPE S.V."},
    {2060, u"配管材質", u"PIPE MATERIAL"},
    {2200, u"流体音速", u"FLUID S.V."},
    {2210, u"流体種類", u"KIND OF FLUID"},
    {2760, u"鋼管", u"CARBON STEEL"},
    {2770, u"ｽﾃﾝﾚｽ管", u"STAINLESS STEEL"},
    {2780, u"塩ﾋﾞ管", u"PVC"},
    {2790, u"銅管", u"COPPER"},
    {2800, u"鋳鉄管", u"CAST IRON"},
    {2810, u"ｱﾙﾐﾆｳﾑ管", u"ALUMINUM"},
    {2820, u"FRP", u"FRP"},
    {2830, u"ﾀﾞｸﾀｲﾙ鋳鉄管", u"DUCTILE IRON"},
    {2840, u"PEEK", u"PEEK"},
    {2850, u"PVDF", u"PVDF"},
    {2860, u"ｱｸﾘﾙ管", u"ACRYLIC"},
    {2861, u"PP", u"PP"},
    {2880, u"配管厚さ", u"WALL THICKNESS"},
    {2890, u"ﾗｲﾆﾝｸﾞ無し", u"NO LINING"},
    {2900, u"ﾀｰﾙｴﾎﾟｷｼ", u"TAR EPOXY"},
    {2910, u"ﾓﾙﾀﾙ", u"MORTAR"},
    {2920, u"ｺﾞﾑ", u"RUBBER"},
    {2930, u"ﾃﾌﾛﾝ", u"TEFLON"},
    {2940, u"ﾊﾟｲﾚｯｸｽｶﾞﾗｽ", u"PYREX GLASS"},
    {2950, u"水", u"WATER"},
    {2960, u"海水", u"SEAWATER"},
    {2970, u"蒸留水", u"DIST. WATER"},
    {2980, u"ｱﾝﾓﾆｱ", u"AMMONIA"},
    {2990, u"ｱﾙｺｰﾙ", u"ALCOHOL"},
    {3000, u"ﾍﾞﾝｾﾞﾝ", u"BENZENE"},
    {3010, u"ﾌﾞﾘﾏｲﾄﾞ", u"BROMIDE"},
    {3020, u"ｴﾀﾉｰﾙ", u"ETHANOL"},
    {3030, u"ｸﾞﾘｺｰﾙ", u"GLYCOL"},
    {3040, u"ｹﾛｼﾝ", u"KEROSENE"},
    {3050, u"ﾐﾙｸ", u"MILK"},
    {3060, u"ﾒﾀﾉｰﾙ", u"METHANOL"},
    {3070, u"ﾄﾙｴﾝ", u"TOLUOL"},
    {3080, u"潤滑油", u"LUBE OIL"},
    {3090, u"燃料油", u"FUEL OIL"},
    {3100, u"ｶﾞｿﾘﾝ", u"PETROL"},
    {3101, u"冷媒 R410", u"REFRIGERANT R410"},
    {3140, u"V法", u"V METHOD"},
    {3150, u"Z法", u"Z METHOD"},
    {3920, u"数字以外のデータは許されません", u"Any data other than a number is not allowed"},
    {3921, u"入力値が範囲外です", u"The value is outside of range"},
    {3922, u"実行", u"EXECUTE"},
    {3923, u"取付け寸法が負になります。ｾﾝｻ種類または取付け法を変更してください。",
     u"The sensor spacing would be negative. Choose another sensor type or mounting method."},
    {3926, u"計算結果", u"Calculation Result"},
    // What the message box says when the calculation itself fails.
    {3930, u"引数が無効です", u"Invalid argument"},
    {3931, u"0 で除算しました", u"Division by zero"},
    {3932, u"オーバーフローしました", u"Overflow"},
    {3933, u"数値に変換できません", u"Not a number"},
    {3934, u"インデックスが有効範囲にありません", u"Subscript out of range"},
    {3940, u"一覧にない名称です", u"Not a name in the list"},
    {3941, u"CSV の行の形式が正しくありません", u"Not a well-formed CSV record"},
    // A value given outside the window that its list's entry does not read.
    {3942, u"%1と同時には指定できません", u"Cannot be given together with %1"},
    {3943, u"%1の指定が必要です", u"Needs %1"},
    // A pipe size outside the window: not in its table, or not the table's.
    {3944, u"%1に呼び径「%2」はありません", u"%1 has no size \"%2\""},
    {3945, u"配管サイズ表の%2は%1です", u"The pipe size table gives %1 for %2"},
    {4401, u"超音波流量計", u"Ultrasonic Flowmeter"},
    {4402, u"取付け寸法計算ツール", u"Sensor Spacing Calculation Tool"},
    {4460, u"塩ビ", u"PVC"},
    // The pipe size tables: the outer diameter's menu entry and the dialog.
    {4470, u"配管サイズ表...", u"Pipe size table..."},
    {4471, u"配管サイズ表", u"Pipe Size Table"},
    {4472, u"管種", u"SCHEDULE"},
    {4473, u"規格", u"STANDARD"},
    {4474, u"呼び径", u"NOMINAL SIZE"},
    {4475, u"OK", u"OK"},
    {4476, u"キャンセル", u"Cancel"},
});

static_assert(std::is_sorted(kRows.begin(), kRows.end(),
                             [](const TextRow& a, const TextRow& b) {
                                 return a.baseId < b.baseId;
                             }),
              "text rows must stay sorted by base id");

const TextRow* FindRow(int baseId) {
    const auto it = std::lower_bound(kRows.begin(), kRows.end(), baseId,
                                     [](const TextRow& row, int id) { return row.baseId < id; });
    if (it == kRows.end() || it->baseId != baseId) return nullptr;
    return &*it;
}

// Any int: an id beyond 16 bits, such as a base id plus an offset that
// overflows, names no text either.
QString TextOf(int id) {
    const bool english = id >= kEnglishOffset;
    const TextRow* row = FindRow(english ? id - kEnglishOffset : id);
    if (row == nullptr) {
        throw std::out_of_range("no text with id " + std::to_string(id));
    }
    return QString::fromUtf16(english ? row->english : row->japanese);
}

}  // namespace

QString TextTable(std::int16_t id) {
    return TextOf(id);
}

QString FncGetText(std::int16_t baseId, std::int16_t langOffset) {
    return TextOf(int{langOffset} + int{baseId});
}

QString ComposedWindowTitle(std::int16_t langOffset) {
    return FncGetText(4401, langOffset) + QStringLiteral(" - ") + FncGetText(4402, langOffset);
}

QString ComposedMountSizeCaption(int index, std::int16_t langOffset) {
    if (index != 1 && index != 2) {
        throw std::out_of_range("spacing caption index must be 1 or 2");
    }
    return FncGetText(1380, langOffset) + QString::number(index);
}

QString ComposedInputRequiredLegend(std::int16_t langOffset) {
    return QStringLiteral("* : ") + FncGetText(1967, langOffset);
}
