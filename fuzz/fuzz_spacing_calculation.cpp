// One Execute press on arbitrary list positions, texts and unit systems: it
// is refused or fails with a message of the text table, or shows a
// well-formed, non-negative spacing, the same each time.
#include <fuzzer/FuzzedDataProvider.h>

#include <QRegularExpression>
#include <cstdlib>

#include "calc/SensorTable.h"
#include "fuzz/FuzzLocales.h"
#include "rules/SpacingRun.h"
#include "settings/ModCommonProc.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const QLocale& locale = FuzzLocale(in.ConsumeIntegral<std::uint8_t>());
    const NumberFormat format{ModCommonProc::FncUnitsOfFlag(in.ConsumeIntegral<std::int16_t>()),
                              locale};
    Entries entries;
    for (const InputDescriptor& input : Inputs()) {
        Entry& entry = entries[FocusPosition(input.id)];
        if (input.kind == InputKind::List) {
            entry.position = in.ConsumeIntegralInRange(-2, 20);
            continue;
        }
        // Mostly numbers as a user would type them, sometimes anything at all.
        const int kind = in.ConsumeIntegralInRange(0, 2);
        entry.text = kind == 0   ? QString::fromStdString(in.ConsumeRandomLengthString(24))
                     : kind == 1 ? locale.toString(in.ConsumeIntegralInRange(-1000, 700000) / 100.0)
                                 : locale.toString(in.ConsumeFloatingPoint<double>(), 'g', 17);
    }
    const SpacingRun run = FncRunSpacing(entries, format);
    const SpacingRun again = FncRunSpacing(entries, format);  // no state kept
    if (again.outcome != run.outcome || again.reason != run.reason ||
        again.texts.result1 != run.texts.result1 || again.texts.result2 != run.texts.result2)
        std::abort();
    if (run.outcome != SpacingRun::Outcome::Shown) {
        if (FncReasonText(run.reason, Language::Japanese).isEmpty()) std::abort();
        return 0;
    }
    // Digits with the locale's separators only: no sign, no "nan", no exponent;
    // a locale that omits grouping (the C locale) groups nothing.
    const QString point = QRegularExpression::escape(locale.decimalPoint());
    const QString group = locale.numberOptions() & QLocale::OmitGroupSeparator
                              ? QString()
                              : QRegularExpression::escape(locale.groupSeparator());
    const bool rail = HasThreeMillimetreSteps(entries[FocusPosition(InputId::SensorType)].position);
    const QString pattern = rail ? QString("[0-9]+(%1[0-9]+)? [0-9]+").arg(point)
                                 : QString("[0-9]{1,3}(%1[0-9]{3})*%2[0-9]{%3} ")
                                       .arg(group, point)
                                       .arg(format.units == Units::Inch ? 3 : 2);
    if (!QRegularExpression("^" + pattern + "$")
             .match(run.texts.result1 + ' ' + run.texts.result2)
             .hasMatch())
        std::abort();
    return 0;
}
