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
        if (inch) {
            const double shown = FncRoundDown(FncMmToInch(s), 3);
            texts.result1 = FncPlainNumberText(shown, locale);
            texts.shownMm = FncInchToMm(shown);
        } else {
            texts.result1 = FncPlainNumberText(s, locale);
            texts.shownMm = s;
        }
    } else if (inch) {
        const double shown = FncRoundDown(FncMmToInch(spacingMm), 3);
        texts.result1 = FncFormatGrouped(shown, 3, locale);
        texts.shownMm = FncInchToMm(shown);
    } else {
        const double shown = FncRoundDown(spacingMm, 2);
        texts.result1 = FncFormatGrouped(shown, 2, locale);
        texts.shownMm = shown;
    }
    return texts;
}
