#include "calc/CalcError.h"

#include "app/ModCommonProc.h"

QString CalcError::DescriptionOf(CalcErrorKind kind, bool english) {
    switch (kind) {
        case CalcErrorKind::InvalidArgument:
            return english ? QStringLiteral("Invalid argument") : QStringLiteral("引数が無効です");
        case CalcErrorKind::DivisionByZero:
            return english ? QStringLiteral("Division by zero")
                           : QStringLiteral("0 で除算しました");
        case CalcErrorKind::Overflow:
            return english ? QStringLiteral("Overflow") : QStringLiteral("オーバーフローしました");
        case CalcErrorKind::ConversionFailure:
            return english ? QStringLiteral("Not a number")
                           : QStringLiteral("数値に変換できません");
        case CalcErrorKind::SubscriptOutOfRange:
            return english ? QStringLiteral("Subscript out of range")
                           : QStringLiteral("インデックスが有効範囲にありません");
        case CalcErrorKind::NegativeSpacing:
            // The window shows the text table's message for this kind.
            return english ? QStringLiteral("Negative sensor spacing")
                           : QStringLiteral("取付け寸法が負です");
    }
    return english ? QStringLiteral("Calculation failed") : QStringLiteral("計算できません");
}

CalcError::CalcError(CalcErrorKind kind)
    : std::runtime_error(DescriptionOf(kind, true).toStdString()),
      kind_(kind),
      description_(DescriptionOf(kind, ModCommonProc::LangOffset != 0)) {}
