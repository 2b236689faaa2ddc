// The checks run when the user leaves one of the six numeric fields, and
// again, stricter, before the Execute button calculates.

#include "app/settings/ModCommonProc.h"
#include "calc/NumberText.h"
#include "window/FieldRefusal.h"
#include "window/FieldValidator.h"
#include "window/UserNumberLocale.h"
#include "window/frmCalc.h"

using ModCommonProc::FncGetText;

void frmCalc::SetUpValidators() {
    fieldValidator_ = new FieldValidator(this);
    for (const NumericField& row : NumericFields()) {
        const std::size_t lower = row.lowerLimitSlot;
        fieldValidator_->Watch(row.field,
                               [this, lower](const QString& text) -> std::optional<QString> {
                                   const std::optional<std::int16_t> refusal =
                                       FncFieldRefusal(text, RangeText[lower], RangeText[lower + 1],
                                                       UserNumberLocale(), EmptyText::Accepted);
                                   if (!refusal) return std::nullopt;
                                   return FncGetText(*refusal);
                               });
    }
}

bool frmCalc::FncFieldsUsable() {
    // The calculation reads exactly the unlocked fields: a locked sound
    // velocity comes from its table, a locked lining thickness is not read.
    const QLocale locale = UserNumberLocale();
    for (const NumericField& row : NumericFields()) {
        if (IsFieldLocked(row.field)) continue;
        const std::size_t lower = row.lowerLimitSlot;
        const std::optional<std::int16_t> refusal = FncFieldRefusal(
            row.field->text(), RangeText[lower], RangeText[lower + 1], locale, EmptyText::Refused);
        if (refusal) {
            fieldValidator_->RefuseField(row.field, FncGetText(*refusal));
            return false;
        }
    }

    // Every field is a number in its range now. The walls must still leave
    // room for the fluid: blame the wall, or the lining when the wall alone
    // would fit. Both are lengths in the same unit, compared as typed.
    const bool lined = !IsFieldLocked(LINING_THICKNESSText);
    const double diameter = FncTextToDouble(OUTER_DIAMETERText->text(), locale);
    const double wall = FncTextToDouble(WALL_THICKNESSText->text(), locale);
    const double lining = lined ? FncTextToDouble(LINING_THICKNESSText->text(), locale) : 0.0;
    if (diameter > 2 * (wall + lining)) return true;
    QLineEdit* blamed = diameter > 2 * wall ? LINING_THICKNESSText : WALL_THICKNESSText;
    fieldValidator_->RefuseField(blamed, FncGetText(kOutOfRangeText));
    return false;
}
