// Fixed material and fluid data. A row of a table belongs to the list
// entry at the same position; the typed-value entries are always last.

#include "calc/PropertyTables.h"

#include <iterator>

#include "calc/CalcError.h"

namespace {

template <typename Row, std::size_t Rows>
const Row& RowOf(const Row (&table)[Rows], int row) {
    if (row < 0 || row >= int(Rows)) throw CalcError(CalcErrorKind::SubscriptOutOfRange);
    return table[row];
}

constexpr std::int32_t kPipeSV[] = {3000, 3141, 2307, 2260, 2604, 3080,
                                    2505, 3000, 2307, 2307, 2644, 2307};

// "NO LINING" has velocity 0, which makes the calculation skip the lining
// layer; the last row is the typed-value entry.
constexpr std::int32_t kLiningSV[] = {0, 2505, 3000, 1510, 1240, 3280, 2307, 0};

// The last row is the typed-value entry.
constexpr double kFluidSV[] = {1440, 1522, 1487, 1376, 1180, 1327, 904,  1230, 1668,
                               1338, 1497, 1122, 1325, 1530, 1250, 1390, 414,  0};

static_assert(std::size(kPipeSV) == kPipeSVRows);
static_assert(std::size(kLiningSV) == kLiningSVRows);
static_assert(std::size(kFluidSV) == kFluidSVRows);

}  // namespace

std::int32_t PipeSVTable(int row) {
    return RowOf(kPipeSV, row);
}

std::int32_t LiningSVTable(int row) {
    return RowOf(kLiningSV, row);
}

double FluidSVTable(int row) {
    return RowOf(kFluidSV, row);
}
