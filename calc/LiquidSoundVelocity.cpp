#include "calc/LiquidSoundVelocity.h"

#include <array>
#include <cmath>
#include <iterator>

#include "calc/CalcError.h"

namespace {

// Ordered as LiquidModel from Glycol on.
constexpr std::array<const LiquidVelocityFit*, kLiquidModelCount - 2> kFits{
    &kGlycolFit, &kEthanolFit, &kBenzeneFit, &kTolueneFit, &kAmmoniaFit, &kR410AFit};

template <std::size_t N>
double Polynomial(const double (&coefficients)[N], double x) {
    double value = 0.0;
    for (auto c = std::rbegin(coefficients); c != std::rend(coefficients); ++c)
        value = value * x + *c;
    return value;
}

// Written so that a NaN fails the test as well.
void RequireWithin(double value, double low, double high) {
    if (!(value >= low && value <= high)) throw CalcError(CalcErrorKind::InvalidArgument);
}

// C.-T. Chen and F. J. Millero, "Speed of sound in seawater at high
// pressures", J. Acoust. Soc. Am. 62, 1129-1135 (1977), the UNESCO formula,
// with the coefficients G. S. K. Wong and S. Zhu refitted to the ITS-90
// scale (J. Acoust. Soc. Am. 97, 1732-1736 (1995)), at atmospheric pressure
// (gauge pressure 0): Cw(t) + A(t) S + B(t) S^1.5 + D S^2. Lowest power first.
constexpr double kCw[] = {1402.388, 5.03830, -5.81090e-2, 3.3432e-4, -1.47797e-6, 3.1419e-9};
constexpr double kA[] = {1.389, -1.262e-2, 7.166e-5, 2.008e-6, -3.21e-8};
constexpr double kB[] = {-1.922e-2, -4.42e-5};
constexpr double kD = 1.727e-3;

double SeawaterVelocity(double celsius, double salinity) {
    RequireWithin(salinity, kSalinityMin, kSalinityMax);
    return Polynomial(kCw, celsius) + Polynomial(kA, celsius) * salinity +
           Polynomial(kB, celsius) * salinity * std::sqrt(salinity) + kD * salinity * salinity;
}

double Scaled(const LiquidVelocityFit& fit, double celsius) {
    return (2 * celsius - fit.celsiusMin - fit.celsiusMax) / (fit.celsiusMax - fit.celsiusMin);
}

}  // namespace

double FncLiquidSoundVelocity(LiquidModel model, double celsius, double salinity) {
    const LiquidModelFacts& facts = FncLiquidModelFacts(model);
    RequireWithin(celsius, facts.celsiusMin, facts.celsiusMax);
    switch (model) {
        case LiquidModel::Water:
            return FncWaterSoundVelocity(celsius);
        case LiquidModel::Seawater:
            return SeawaterVelocity(celsius, salinity);
        default: {
            const LiquidVelocityFit& fit = *kFits[static_cast<std::size_t>(model) - 2];
            return Polynomial(fit.velocity, Scaled(fit, celsius));
        }
    }
}

double FncLiquidVelocityPerBar(LiquidModel model, double celsius) {
    const LiquidModelFacts& facts = FncLiquidModelFacts(model);
    RequireWithin(celsius, facts.celsiusMin, facts.celsiusMax);
    if (!facts.saturated) return 0.0;
    const LiquidVelocityFit& fit = *kFits[static_cast<std::size_t>(model) - 2];
    return Polynomial(fit.perBar, Scaled(fit, celsius));
}
