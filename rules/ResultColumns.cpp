#include "rules/ResultColumns.h"

#include "rules/AsciiText.h"
#include "rules/UnitTexts.h"
#include "text/TextTable.h"

std::array<std::string, 3> FncResultColumnNames(Units units, ColumnNaming naming) {
    if (naming == ColumnNaming::JapaneseCaptions) {
        const auto japanese = [](const QString& text) { return text.toStdString(); };
        return {japanese(ComposedMountSizeCaption(1, Language::Japanese) +
                         FncUnitCaption(Quantity::Length, units)),
                japanese(ComposedMountSizeCaption(2, Language::Japanese)),
                japanese(FncGetText(TextId::ListMessageColumn, Language::Japanese))};
    }
    return {"spacing-" + FncUnitText(Quantity::Length, units).toStdString(), "steps", "message"};
}

std::optional<std::string> FncResultColumnNamed(std::string_view utf8) {
    const std::string key = AsciiLower(TrimBlanks(utf8));
    for (const Units units : {Units::Metric, Units::Inch}) {
        for (const ColumnNaming naming : {ColumnNaming::Options, ColumnNaming::JapaneseCaptions}) {
            for (const std::string& name : FncResultColumnNames(units, naming)) {
                if (key == AsciiLower(name)) return name;
            }
        }
    }
    return std::nullopt;
}
