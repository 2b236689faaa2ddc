// The check run when the user leaves one of the number fields.

#include "rules/FieldRefusal.h"
#include "window/FieldValidator.h"
#include "window/frmCalc.h"

void frmCalc::SetUpValidators() {
    fieldValidator_ = new FieldValidator(this);
    for (const InputDescriptor& input : Inputs()) {
        if (input.kind != InputKind::Number) continue;
        fieldValidator_->Watch(
            FieldOf(input), [this, &input](const QString& text) -> std::optional<QString> {
                const FieldReading reading = FncReadField(
                    input, text, startup_.UnitFlag, startup_.NumberLocale, EmptyText::Accepted);
                if (!reading.refusal) return std::nullopt;
                return startup_.Text(*reading.refusal);
            });
    }
}
