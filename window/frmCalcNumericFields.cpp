// The six numeric fields in focus order, the order in which they are checked
// before a calculation.
#include "window/frmCalc.h"

std::array<NumericField, 6> frmCalc::NumericFields() const {
    using enum Quantity;
    // The lining's sound velocity shares the pipe wall's limits.
    return {{
        {OUTER_DIAMETERText, OUTER_DIAMETER_RANGE, Label8[0], 0, Length},
        {TRANS_FREQUENCYText, TRANS_FREQUENCY_RANGE, Label12[0], 2, Velocity},
        {WALL_THICKNESSText, WALL_THICKNESS_RANGE, Label8[1], 4, Length},
        {LINING_S_VText, LINING_S_V_RANGE, Label1[0], 2, Velocity},
        {LINING_THICKNESSText, LINING_THICKNESS_RANGE, Label2[0], 8, Length},
        {FLUID_S_VText, FLUID_S_V_RANGE, Label1[1], 6, Velocity},
    }};
}

QString frmCalc::UnitCaption(Quantity quantity) const {
    return QLatin1Char('[') + UnitText[static_cast<std::size_t>(quantity)] + QLatin1Char(']');
}

QString frmCalc::RangeCaption(const NumericField& row) const {
    return RangeText[row.lowerLimitSlot] + QLatin1Char('-') + RangeText[row.lowerLimitSlot + 1] +
           UnitText[static_cast<std::size_t>(row.quantity)];
}
