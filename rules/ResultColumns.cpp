#include "rules/ResultColumns.h"

#include "rules/UnitTexts.h"

std::array<std::string, 3> FncResultColumnNames(Units units, ColumnNaming) {
    return {"spacing-" + FncUnitText(Quantity::Length, units).toStdString(), "steps", "message"};
}
