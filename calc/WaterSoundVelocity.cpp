#include "calc/WaterSoundVelocity.h"

#include <iterator>

#include "calc/CalcError.h"

namespace {

// N. Bilaniuk and G. S. K. Wong, "Speed of sound in pure water as a function
// of temperature", J. Acoust. Soc. Am. 93(3), 1609-1612 (1993), with the
// erratum in J. Acoust. Soc. Am. 99(5), 3257 (1996): the fifth-order fit to
// all 148 measurements of Del Grosso and Mader, on the ITS-90 scale, for
// 0-100 degrees Celsius at atmospheric pressure. Lowest power first.
constexpr double kBilaniukWong148[] = {1.40238744e3,  5.03836171,     -5.81172916e-2,
                                       3.34638117e-4, -1.48259672e-6, 3.16585020e-9};

}  // namespace

double FncWaterSoundVelocity(double celsius) {
    // Written so that a NaN fails the test as well.
    if (!(celsius >= kWaterCelsiusMin && celsius <= kWaterCelsiusMax)) {
        throw CalcError(CalcErrorKind::InvalidArgument);
    }
    double velocity = 0.0;
    for (auto k = std::rbegin(kBilaniukWong148); k != std::rend(kBilaniukWong148); ++k) {
        velocity = velocity * celsius + *k;
    }
    return velocity;
}
