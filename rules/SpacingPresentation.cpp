#include "rules/SpacingPresentation.h"

#include <cmath>

#include "calc/NumericFunctions.h"
#include "rules/NumberText.h"

SpacingTexts FncPresentSpacing(double spacingMm, bool onRail, const NumberFormat& format) {
    const bool inch = format.units == Units::Inch;
    const QLocale& locale = format.locale;
    SpacingTexts texts;
    if (onRail) {
        // The rail sets the spacing: whole steps that fit in it, shown
        // without grouping.
        const Checked steps = std::trunc((spacingMm / Checked(kRailStepMm)).value());
        texts.result2 = FncPlainNumberText(steps.value(), locale);
        const double s = (steps * kRailStepMm).value();
        texts.result1 = inch ? FncPlainNumberText(FncRoundDown(FncMmToInch(s), 3), locale)
                             : FncPlainNumberText(s, locale);
    } else {
        const double s = spacingMm;
        texts.result1 = inch ? FncFormatGrouped(FncRoundDown(FncMmToInch(s), 3), 3, locale)
                             : FncFormatGrouped(FncRoundDown(s, 2), 2, locale);
    }
    return texts;
}
