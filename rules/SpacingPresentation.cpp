#include "rules/SpacingPresentation.h"

#include "calc/NumericFunctions.h"
#include "rules/NumberText.h"

SpacingTexts FncPresentSpacing(const SpacingOutcome& spacing, std::int16_t unitFlag,
                               const QLocale& locale) {
    const bool english = unitFlag != 0;
    SpacingTexts texts;
    if (spacing.railSteps) {
        // The rail sets the spacing: whole steps, shown without grouping.
        texts.result2 = FncPlainNumberText(*spacing.railSteps, locale);
        const double s = CheckedMul(*spacing.railSteps, kRailStepMm);
        texts.result1 = english ? FncPlainNumberText(FncRoundDown(FncMmToInch(s), 3), locale)
                                : FncPlainNumberText(s, locale);
    } else {
        const double s = spacing.spacingMm;
        texts.result1 = english ? FncFormatGrouped(FncRoundDown(FncMmToInch(s), 3), 3, locale)
                                : FncFormatGrouped(FncRoundDown(s, 2), 2, locale);
    }
    return texts;
}
