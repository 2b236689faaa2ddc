#include "rules/Reasons.h"

namespace {

struct ReasonRow {
    Reason reason;
    TextId text;
    // The command line's sentence, for a value given as an option.
    const char* optionText = nullptr;
};

using enum Reason;

// In the order of Reason.
constexpr std::array<ReasonRow, kReasonCount> kReasons = {
    {{NotANumber, TextId::ReasonNotANumber},
     {OutOfRange, TextId::ReasonOutOfRange},
     {NotInList, TextId::ReasonNotInList,
      "%1: no entry is named '%5', nor one alone starts so (see --list)"},
     {NotReadWith, TextId::ReasonNotReadWith,
      "%1 cannot be given with %2 '%6', which does not read it (see --list)"},
     {Needs, TextId::ReasonNeeds, "%1 needs %2 (see --list)"},
     // Said in the window's words as a value not read with the other.
     {EitherOr, TextId::ReasonNotReadWith,
      "%1 cannot be given with %2 '%6': both give the same value (give one of them)"},
     {NoSuchSize, TextId::ReasonNoSuchSize, "%1: %3 has no size '%5' (see --list)"},
     {DiffersFromTable, TextId::ReasonDiffersFromTable,
      "%1 %5 differs from the pipe size table, which gives %3 for %4"},
     {MalformedRecord, TextId::ReasonMalformedRecord},
#define VELKARA_FAILURE_ROW(name) {name, TextId::Reason##name},
     VELKARA_CALC_ERROR_KINDS(VELKARA_FAILURE_ROW)
#undef VELKARA_FAILURE_ROW
    }};

static_assert(
    [] {
        for (std::size_t i = 0; i < kReasons.size(); ++i) {
            if (kReasons[i].reason != Reason(i)) return false;
        }
        return true;
    }(),
    "a reason's row stands at its value");

constexpr const ReasonRow& RowOf(Reason reason) {
    return kReasons[static_cast<std::size_t>(reason)];
}

// `pattern` with %1 to %6 replaced by the subjects, in one pass: a subject
// that itself holds "%2" stays as it is.
QString Filled(const QString& pattern, const ReasonSubjects& subjects) {
    const std::array<const QString*, 6> pieces = {&subjects.field,     &subjects.other,
                                                  &subjects.quoted[0], &subjects.quoted[1],
                                                  &subjects.given[0],  &subjects.given[1]};
    qsizetype mark = pattern.indexOf(u'%');
    if (mark < 0) return pattern;  // most texts name nothing
    QString text;
    qsizetype copied = 0;
    for (; mark >= 0; mark = pattern.indexOf(u'%', mark + 1)) {
        const int digit = mark + 1 < pattern.size() ? pattern[mark + 1].digitValue() : -1;
        if (digit < 1 || digit > int(pieces.size())) continue;
        text += QStringView(pattern).sliced(copied, mark - copied);
        text += *pieces[std::size_t(digit - 1)];
        copied = mark + 2;
    }
    text += QStringView(pattern).sliced(copied);
    return text;
}

}  // namespace

QString FncReasonText(Reason reason, Language language, const ReasonSubjects& subjects) {
    return Filled(FncGetText(RowOf(reason).text, language), subjects);
}

QString FncCaptionedReason(const QString& caption, const QString& reasonText) {
    return caption + QStringLiteral(": ") + reasonText;
}

QString FncReasonOptionText(Reason reason, const ReasonSubjects& subjects) {
    return Filled(QString::fromLatin1(RowOf(reason).optionText), subjects);
}
