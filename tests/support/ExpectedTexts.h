#pragma once
// Every text of the program in both languages, copied character for
// character from the product's text list.

#include <QString>
#include <cstdint>
#include <stdexcept>

struct ExpectedText {
    std::int16_t baseId;
    const char* japanese;  // UTF-8
    const char* english;
};

inline const ExpectedText kTexts[] = {
    {1, "ＭＳ ゴシック", "Arial"},
    {790, "ｾﾝｻ取付け法", "SENSOR MOUNT"},
    {800, "ｾﾝｻ種類", "SENSOR TYPE"},
    {1100, "ﾗｲﾆﾝｸﾞ音速", "LINING S.V."},
    {1110, "ﾗｲﾆﾝｸﾞ厚さ", "LINING THICKNESS"},
    {1120, "ﾗｲﾆﾝｸﾞ材質", "LINING MATERIAL"},
    {1240, "外径寸法", "OUTER DIAMETER"},
    {1380, "取付け寸法", "SENSOR SPACING"},
    {1967, "入力", "INPUT"},
    {2050, "配管音速", "PIPE S.V."},
    {2060, "配管材質", "PIPE MATERIAL"},
    {2200, "流体音速", "FLUID S.V."},
    {2210, "流体種類", "KIND OF FLUID"},
    {2760, "鋼管", "CARBON STEEL"},
    {2770, "ｽﾃﾝﾚｽ管", "STAINLESS STEEL"},
    {2780, "塩ﾋﾞ管", "PVC"},
    {2790, "銅管", "COPPER"},
    {2800, "鋳鉄管", "CAST IRON"},
    {2810, "ｱﾙﾐﾆｳﾑ管", "ALUMINUM"},
    {2820, "FRP", "FRP"},
    {2830, "ﾀﾞｸﾀｲﾙ鋳鉄管", "DUCTILE IRON"},
    {2840, "PEEK", "PEEK"},
    {2850, "PVDF", "PVDF"},
    {2860, "ｱｸﾘﾙ管", "ACRYLIC"},
    {2861, "PP", "PP"},
    {2880, "配管厚さ", "WALL THICKNESS"},
    {2890, "ﾗｲﾆﾝｸﾞ無し", "NO LINING"},
    {2900, "ﾀｰﾙｴﾎﾟｷｼ", "TAR EPOXY"},
    {2910, "ﾓﾙﾀﾙ", "MORTAR"},
    {2920, "ｺﾞﾑ", "RUBBER"},
    {2930, "ﾃﾌﾛﾝ", "TEFLON"},
    {2940, "ﾊﾟｲﾚｯｸｽｶﾞﾗｽ", "PYREX GLASS"},
    {2950, "水", "WATER"},
    {2960, "海水", "SEAWATER"},
    {2970, "蒸留水", "DIST. WATER"},
    {2980, "ｱﾝﾓﾆｱ", "AMMONIA"},
    {2990, "ｱﾙｺｰﾙ", "ALCOHOL"},
    {3000, "ﾍﾞﾝｾﾞﾝ", "BENZENE"},
    {3010, "ﾌﾞﾘﾏｲﾄﾞ", "BROMIDE"},
    {3020, "ｴﾀﾉｰﾙ", "ETHANOL"},
    {3030, "ｸﾞﾘｺｰﾙ", "GLYCOL"},
    {3040, "ｹﾛｼﾝ", "KEROSENE"},
    {3050, "ﾐﾙｸ", "MILK"},
    {3060, "ﾒﾀﾉｰﾙ", "METHANOL"},
    {3070, "ﾄﾙｴﾝ", "TOLUOL"},
    {3080, "潤滑油", "LUBE OIL"},
    {3090, "燃料油", "FUEL OIL"},
    {3100, "ｶﾞｿﾘﾝ", "PETROL"},
    {3101, "冷媒 R410", "REFRIGERANT R410"},
    {3140, "V法", "V METHOD"},
    {3150, "Z法", "Z METHOD"},
    {3920, "数字以外のデータは許されません", "Any data other than a number is not allowed"},
    {3921, "入力値が範囲外です", "The value is outside of range"},
    {3922, "実行", "EXECUTE"},
    {3926, "計算結果", "Calculation Result"},
    {4401, "超音波流量計", "Ultrasonic Flowmeter"},
    {4402, "取付け寸法計算ツール", "Sensor Spacing Calculation Tool"},
    {4460, "塩ビ", "PVC"},
};

// The expected text of a base id in Japanese (offset 0) or English (5000).
inline QString ExpectedTextOf(std::int16_t baseId, int offset) {
    for (const ExpectedText& t : kTexts) {
        if (t.baseId == baseId) return QString::fromUtf8(offset == 0 ? t.japanese : t.english);
    }
    throw std::out_of_range("no expected text");
}
