// The localised texts of the program. Each row holds a text's name with its
// Japanese text and its English text. The Japanese texts mix full-width
// characters with half-width katakana on purpose: they are reproduced exactly
// as the product has always shown them.
//
// The table is addressed by 16-bit ids: a text's base id (its TextId) holds
// the Japanese text, the base id plus the English offset its English twin.
// The offset is applied here and nowhere else.

#include "text/TextTable.h"

#include <algorithm>
#include <array>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

constexpr int kEnglishOffset = 5000;

// What a language adds to a base id.
constexpr int LangOffset(Language language) {
    return language == Language::English ? kEnglishOffset : 0;
}

struct TextRow {
    TextId id;
    const char16_t* japanese;
    const char16_t* english;
};

using enum TextId;

// Kept sorted by base id: the lookup relies on it.
constexpr std::array kRows = std::to_array<TextRow>({
    {FontName, u"ＭＳ ゴシック", u"Arial"},
    {CaptionMountingMethod, u"ｾﾝｻ取付け法", u"SENSOR MOUNT"},
    {CaptionSensorType, u"ｾﾝｻ種類", u"SENSOR TYPE"},
    {CaptionLiningVelocity, u"ﾗｲﾆﾝｸﾞ音速", u"LINING S.V."},
    {CaptionLiningThickness, u"ﾗｲﾆﾝｸﾞ厚さ", u"LINING THICKNESS"},
    {CaptionLiningMaterial, u"ﾗｲﾆﾝｸﾞ材質", u"LINING MATERIAL"},
    {CaptionOuterDiameter, u"外径寸法", u"OUTER DIAMETER"},
    {CaptionSensorSpacing, u"取付け寸法", u"SENSOR SPACING"},
    {CaptionInput, u"入力", u"INPUT"},
    {CaptionPipeVelocity, u"配管音速", u"PIPE S.V."},
    {CaptionPipeMaterial, u"配管材質", u"PIPE MATERIAL"},
    {CaptionFluidVelocity, u"流体音速", u"FLUID S.V."},
    {CaptionFluid, u"流体種類", u"KIND OF FLUID"},
    {PipeCarbonSteel, u"鋼管", u"CARBON STEEL"},
    {PipeStainlessSteel, u"ｽﾃﾝﾚｽ管", u"STAINLESS STEEL"},
    {PipePvc, u"塩ﾋﾞ管", u"PVC"},
    {PipeCopper, u"銅管", u"COPPER"},
    {PipeCastIron, u"鋳鉄管", u"CAST IRON"},
    {PipeAluminum, u"ｱﾙﾐﾆｳﾑ管", u"ALUMINUM"},
    {PipeFrp, u"FRP", u"FRP"},
    {PipeDuctileIron, u"ﾀﾞｸﾀｲﾙ鋳鉄管", u"DUCTILE IRON"},
    {PipePeek, u"PEEK", u"PEEK"},
    {PipePvdf, u"PVDF", u"PVDF"},
    {PipeAcrylic, u"ｱｸﾘﾙ管", u"ACRYLIC"},
    {PipePp, u"PP", u"PP"},
    {CaptionWallThickness, u"配管厚さ", u"WALL THICKNESS"},
    {LiningNone, u"ﾗｲﾆﾝｸﾞ無し", u"NO LINING"},
    {LiningTarEpoxy, u"ﾀｰﾙｴﾎﾟｷｼ", u"TAR EPOXY"},
    {LiningMortar, u"ﾓﾙﾀﾙ", u"MORTAR"},
    {LiningRubber, u"ｺﾞﾑ", u"RUBBER"},
    {LiningTeflon, u"ﾃﾌﾛﾝ", u"TEFLON"},
    {LiningPyrexGlass, u"ﾊﾟｲﾚｯｸｽｶﾞﾗｽ", u"PYREX GLASS"},
    {FluidWater, u"水", u"WATER"},
    {FluidSeawater, u"海水", u"SEAWATER"},
    {FluidDistilledWater, u"蒸留水", u"DIST. WATER"},
    {FluidAmmonia, u"ｱﾝﾓﾆｱ", u"AMMONIA"},
    {FluidAlcohol, u"ｱﾙｺｰﾙ", u"ALCOHOL"},
    {FluidBenzene, u"ﾍﾞﾝｾﾞﾝ", u"BENZENE"},
    {FluidBromide, u"ﾌﾞﾘﾏｲﾄﾞ", u"BROMIDE"},
    {FluidEthanol, u"ｴﾀﾉｰﾙ", u"ETHANOL"},
    {FluidGlycol, u"ｸﾞﾘｺｰﾙ", u"GLYCOL"},
    {FluidKerosene, u"ｹﾛｼﾝ", u"KEROSENE"},
    {FluidMilk, u"ﾐﾙｸ", u"MILK"},
    {FluidMethanol, u"ﾒﾀﾉｰﾙ", u"METHANOL"},
    {FluidToluol, u"ﾄﾙｴﾝ", u"TOLUOL"},
    {FluidLubeOil, u"潤滑油", u"LUBE OIL"},
    {FluidFuelOil, u"燃料油", u"FUEL OIL"},
    {FluidPetrol, u"ｶﾞｿﾘﾝ", u"PETROL"},
    {FluidRefrigerantR410, u"冷媒 R410", u"REFRIGERANT R410"},
    {MountV, u"V法", u"V METHOD"},
    {MountZ, u"Z法", u"Z METHOD"},
    {MountN, u"N法", u"N METHOD"},
    {MountW, u"W法", u"W METHOD"},
    {ReasonNotANumber, u"数字以外のデータは許されません",
     u"Any data other than a number is not allowed"},
    {ReasonOutOfRange, u"入力値が範囲外です", u"The value is outside of range"},
    {CaptionExecute, u"実行", u"EXECUTE"},
    {ReasonNegativeSpacing, u"取付け寸法が負になります。ｾﾝｻ種類または取付け法を変更してください。",
     u"The sensor spacing would be negative. Choose another sensor type or mounting method."},
    {CaptionResultFrame, u"計算結果", u"Calculation Result"},
    // What the message box says when the calculation itself fails.
    {ReasonInvalidArgument, u"引数が無効です", u"Invalid argument"},
    {ReasonDivisionByZero, u"0 で除算しました", u"Division by zero"},
    {ReasonOverflow, u"オーバーフローしました", u"Overflow"},
    {ReasonConversionFailure, u"数値に変換できません", u"Not a number"},
    {ReasonSubscriptOutOfRange, u"インデックスが有効範囲にありません", u"Subscript out of range"},
    {ReasonNotInList, u"一覧にない名称です", u"Not a name in the list"},
    {ReasonMalformedRecord, u"CSV の行の形式が正しくありません", u"Not a well-formed CSV record"},
    // A value given outside the window that its list's entry does not read;
    // the reasons name what they concern as %1 to %6 (rules/Reasons.h).
    {ReasonNotReadWith, u"%2と同時には指定できません", u"Cannot be given together with %2"},
    {ReasonNeeds, u"%2の指定が必要です", u"Needs %2"},
    // A pipe size outside the window: not in its table, or not the table's.
    {ReasonNoSuchSize, u"%3に呼び径「%4」はありません", u"%3 has no size \"%4\""},
    {ReasonDiffersFromTable, u"配管サイズ表の%4は%3です", u"The pipe size table gives %3 for %4"},
    {ReasonNoTemperatureModel, u"温度を指定できるのは %3 です", u"Only %3 take a temperature"},
    {TitleFlowmeter, u"超音波流量計", u"Ultrasonic Flowmeter"},
    {TitleSpacingTool, u"取付け寸法計算ツール", u"Sensor Spacing Calculation Tool"},
    {LiningPvc, u"塩ビ", u"PVC"},
    // The pipe size tables: the outer diameter's menu entry and the dialog.
    {PipeSizeMenuEntry, u"配管サイズ表...", u"Pipe size table..."},
    {PipeSizeTitle, u"配管サイズ表", u"Pipe Size Table"},
    {PipeSizeSchedule, u"管種", u"SCHEDULE"},
    {PipeSizeStandard, u"規格", u"STANDARD"},
    {PipeSizeNominalSize, u"呼び径", u"NOMINAL SIZE"},
    {DialogOk, u"OK", u"OK"},
    {DialogCancel, u"キャンセル", u"Cancel"},
    {CompareMenuEntry, u"全センサ・取付け法の比較...", u"Compare sensors and methods..."},
    {CompareTitle, u"全センサ・取付け法の比較", u"Compare Sensors and Methods"},
    {CompareSeries, u"種別", u"SERIES"},
    {CompareFrequency, u"周波数", u"FREQUENCY"},
    // The temperature of water as the tool has always taken it, and the note
    // beside a velocity that came so.
    {WaterTemperature, u"水温", u"WATER TEMPERATURE"},
    {WaterAtTemperature, u"水温 %1", u"WATER at %1"},
    {SheetMenuEntry, u"取付けシートを保存...", u"Save mounting sheet..."},
    {SheetHeading, u"取付けシート", u"MOUNTING SHEET"},
    {SheetContinued, u"（続き）", u"(continued)"},
    {SheetEntriesHeading, u"入力値", u"ENTRIES"},
    {SheetDrawingHeading, u"取付け図", u"MOUNTING"},
    {SheetSameSide, u"ｾﾝｻ1とｾﾝｻ2は配管の同じ側に取付けます。",
     u"Both sensors go on the same side of the pipe."},
    {SheetOppositeSide,
     u"ｾﾝｻ2は反対側：ｾﾝｻ1の位置から配管の外周に沿って %1 (外周の半分) の所に印を付けます。",
     u"Sensor 2 goes on the opposite side: mark it %1 around the pipe from sensor 1 (half the "
     u"circumference)."},
    {SheetStripHeading, u"実寸マーキングストリップ", u"TRUE-SCALE MARKING STRIP"},
    {SheetPrintNote,
     u"実際のサイズ (100 %) で印刷してください。"
     u"「ページに合わせる」などの拡大・縮小はしないでください。",
     u"Print at actual size (100 %), without \"fit to page\" or any other scaling."},
    {SheetCheckBar, u"この線の長さが %1 であることを確認してください",
     u"Check: this bar measures %1"},
    {SheetStripUsage,
     u"ストリップを切り取り、上端の目盛を配管に沿わせて赤線の位置に印を付けます。"
     u"次のストリップは同じ番号の赤線を前の印に合わせます。",
     u"Cut out the strip, lay its ruler edge along the pipe and mark the pipe at the red lines. "
     u"Lay the next strip's red line on the mark of the same number."},
    {SheetFirstSensor, u"ｾﾝｻ1", u"SENSOR 1"},
    {SheetSecondSensor, u"ｾﾝｻ2", u"SENSOR 2"},
    {SheetJoin, u"つなぎ %1", u"JOIN %1"},
    {SheetRefusedHeading, u"計算できなかった行", u"ROWS WITHOUT A SHEET"},
    {SheetRefusedTag, u"タグ", u"TAG"},
    {SheetRefusedMessage, u"理由", u"REASON"},
    {SheetRefusedLine, u"%1行目", u"line %1"},
    {SheetSaveTitle, u"取付けシートの保存", u"Save Mounting Sheet"},
    {SheetSaved, u"取付けシートを保存しました。開きますか？",
     u"The mounting sheet was saved. Open it now?"},
    {SheetNotSaved, u"取付けシートを保存できません。", u"The mounting sheet could not be saved."},
    // The same of any liquid with a model of its sound velocity.
    {LiquidMenuEntry, u"液温から音速...", u"Liquid at temperature..."},
    {LiquidTitle, u"液温から音速", u"Liquid at Temperature"},
    {LiquidCaption, u"液体", u"LIQUID"},
    {LiquidTemperatureCaption, u"液温", u"FLUID TEMPERATURE"},
    {SalinityCaption, u"塩分", u"SALINITY"},
    {LiquidAtTemperature, u"%1 液温 %2", u"%1 at %2"},
    {LiquidAtSalinity, u"、塩分 %1", u", salinity %1"},
    {LiquidSource, u"出典: %1 (%2)", u"Source: %1 (%2)"},
    {LiquidSaturated, u"飽和液の値です。飽和圧力より 1 bar 高いごとに約 %1 速くなります。",
     u"For saturated liquid: about %1 faster per bar above saturation."},
    {LiquidNoModel, u"%1 には温度からの音速モデルがありません。水で始めます。",
     u"%1 has no model of its sound velocity; starting on WATER."},
    {LiquidSourceCaption, u"出典", u"SOURCE"},
    {ListMessageColumn, u"メッセージ", u"MESSAGE"},
    {ListMenuEntry, u"リストを開く...", u"Open list..."},
    {ListOpenTitle, u"リストを開く", u"Open List"},
    {ListCsvFiles, u"CSVファイル", u"CSV files"},
    {ListAllFiles, u"すべてのファイル", u"All files"},
    {ListTitle, u"リスト - %1", u"List - %1"},
    {ListLineColumn, u"行", u"LINE"},
    {ListRefusedOnly, u"計算できなかった行だけ表示", u"Refused rows only"},
    {ListSummary, u"計算 %1 行、計算できなかった行 %2 行", u"Rows computed: %1, refused: %2"},
    {ListPassedThrough, u"そのまま渡す列: %1", u"Passed through: %1"},
    {ListDidYouMean, u"列「%1」は「%2」のことですか？", u"Column '%1': did you mean '%2'?"},
    {ListSaveList, u"リストを保存...", u"Save list..."},
    {ListSaveSheets, u"取付けシートを保存...", u"Save sheets..."},
    {ListReload, u"再読込", u"Reload"},
    {ListSaveListTitle, u"リストの保存", u"Save List"},
    {ListWritingSheets, u"取付けシートを書いています...", u"Writing the mounting sheets..."},
    {ListNotSaved, u"ファイルを保存できません。", u"The file could not be saved."},
    {ListNotAList, u"%1 はリストとして読めません: %2", u"%1 cannot be read as a list: %2"},
    {ListEmpty, u"ファイルが空です。", u"the file is empty."},
    {ListNoInputs, u"見出しの行が入力の名前を1つも含みません。", u"its header row names no input."},
    {ListBinary, u"テキストのファイルではありません。", u"it is not a text file."},
    {ListUnreadable, u"読み込めません (%1)。", u"it cannot be read (%1)."},
    {ListFolder, u"フォルダです。", u"it is a folder."},
    {ListTwoColumns, u"見出しに「%1」の列が2つあります。", u"its header has two columns for '%1'."},
    {ListResultColumn, u"見出しにすでに結果の列「%1」があります。",
     u"its header already has the result column '%1'."},
    {ListNeeds,
     u"リストはCSVファイルで、最初の行が見出しです。見出しは入力を画面の項目名 "
     u"(外径寸法、配管厚さ、"
     u"ｾﾝｻ種類 など) かオプション名 (outer-diameter、wall、sensor など) で示します。"
     u"ほかの列はそのまま渡されます。",
     u"A list is a CSV file whose first row is a header naming the inputs, by the window's "
     u"captions (OUTER DIAMETER, WALL THICKNESS, SENSOR TYPE, ...) or by option names "
     u"(outer-diameter, wall, sensor, ...). Other columns are passed through."},
    {ListRefusedMark, u"計算不可", u"REFUSED"},
});

constexpr int BaseId(const TextRow& row) {
    return static_cast<int>(row.id);
}

static_assert(std::adjacent_find(kRows.begin(), kRows.end(),
                                 [](const TextRow& a, const TextRow& b) {
                                     return BaseId(a) >= BaseId(b);
                                 }) == kRows.end(),
              "text rows must stay sorted by base id, each id once");
// Every base id and its English twin are distinct 16-bit ids.
static_assert(BaseId(kRows.front()) > 0 && BaseId(kRows.back()) < kEnglishOffset &&
                  BaseId(kRows.back()) + kEnglishOffset <= std::numeric_limits<std::int16_t>::max(),
              "base ids lie between 0 and the English offset");

constexpr bool PrintableAscii(std::u16string_view text) {
    return std::ranges::all_of(text, [](char16_t c) { return c >= u' ' && c <= u'~'; });
}
// No blank at either end, where it would be trimmed or lost in a layout.
constexpr bool Trimmed(std::u16string_view text) {
    const auto blank = [](char16_t c) { return c == u' ' || c == u'\u3000' || c == u'\u00A0'; };
    return !text.empty() && !blank(text.front()) && !blank(text.back());
}
// English is plain ASCII; a Japanese text in ASCII is a name the same in both
// languages ("FRP", "OK").
static_assert(std::ranges::all_of(kRows,
                                  [](const TextRow& row) {
                                      const std::u16string_view japanese = row.japanese;
                                      const std::u16string_view english = row.english;
                                      return Trimmed(japanese) && Trimmed(english) &&
                                             PrintableAscii(english) &&
                                             (!PrintableAscii(japanese) || japanese == english);
                                  }),
              "every text is trimmed, English in ASCII, ASCII Japanese the English");

const TextRow* FindRow(int baseId) {
    const auto it = std::lower_bound(kRows.begin(), kRows.end(), baseId,
                                     [](const TextRow& row, int id) { return BaseId(row) < id; });
    if (it == kRows.end() || BaseId(*it) != baseId) return nullptr;
    return &*it;
}

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

QString FncGetText(TextId id, Language language) {
    const int baseId = static_cast<int>(id);
    // Only a base id names a text; an id of the English half would name it
    // again, or nothing.
    if (baseId < 0 || baseId >= kEnglishOffset) {
        throw std::out_of_range("no text with base id " + std::to_string(baseId));
    }
    return TextOf(LangOffset(language) + baseId);
}

QString ComposedWindowTitle(Language language) {
    return FncGetText(TitleFlowmeter, language) + QStringLiteral(" - ") +
           FncGetText(TitleSpacingTool, language);
}

QString ComposedMountSizeCaption(int index, Language language) {
    if (index != 1 && index != 2) {
        throw std::out_of_range("spacing caption index must be 1 or 2");
    }
    return FncGetText(CaptionSensorSpacing, language) + QString::number(index);
}

QString ComposedInputRequiredLegend(Language language) {
    return QStringLiteral("* : ") + FncGetText(CaptionInput, language);
}
