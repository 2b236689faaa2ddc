// The liquids' models against their second sources, and their ranges.
#include <gtest/gtest.h>

#include <cmath>

#include "calc/CalcError.h"
#include "calc/LiquidSoundVelocity.h"

namespace {

using L = LiquidModel;

// Whole m/s worked from the published equations independently of the
// generator (a mistyped coefficient would move them), and seawater against
// Del Grosso's formula (J. Acoust. Soc. Am. 56, 1084 (1974), in Wong and
// Zhu's ITS-90 coefficients), which the UNESCO formula meets within 0.15 m/s.
TEST(LiquidSoundVelocity, AgreesWithASecondSource) {
    const struct {
        const char* name;
        L model;
        double celsius, salinity, metresPerSecond, tolerance;
    } rows[] = {
        {"seawater 0 C", L::Seawater, 0, 35, 1449.083, 0.3},
        {"seawater 10 C", L::Seawater, 10, 35, 1489.789, 0.3},
        {"seawater 30 C", L::Seawater, 30, 35, 1545.484, 0.3},
        {"seawater 10 C, S 30", L::Seawater, 10, 30, 1483.689, 0.3},
        {"seawater 25 C, S 40", L::Seawater, 25, 40, 1539.764, 0.3},
        {"seawater 20 C whole", L::Seawater, 20, 35, 1521, 0.5},
        {"toluene 20 C", L::Toluene, 20, 0, 1324, 0.5},
        {"toluene 60 C", L::Toluene, 60, 0, 1158, 0.5},
        {"benzene 20 C", L::Benzene, 20, 0, 1326, 0.5},
        {"ethanol 40 C", L::Ethanol, 40, 0, 1092, 0.5},
        {"glycol 10 C", L::Glycol, 10, 0, 1692, 0.5},
        {"ammonia 10 C", L::Ammonia, 10, 0, 1458, 0.5},
        {"R410A 0 C", L::R410A, 0, 0, 564, 0.5},
        {"water 20 C", L::Water, 20, 0, 1482.36, 0.05},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_NEAR(FncLiquidSoundVelocity(r.model, r.celsius, r.salinity), r.metresPerSecond,
                    r.tolerance);
    }
}

// Each model answers at both ends of its range and refuses just outside and
// a NaN; so does seawater's salinity. A refrigerant carries sound faster
// above saturation, the others have no such figure.
TEST(LiquidSoundVelocity, RangesAndPressure) {
    for (int i = 0; i < int(kLiquidModelCount); ++i) {
        const auto model = L(i);
        const LiquidModelFacts& facts = FncLiquidModelFacts(model);
        SCOPED_TRACE(facts.source);
        EXPECT_NO_THROW(FncLiquidSoundVelocity(model, facts.celsiusMin));
        EXPECT_NO_THROW(FncLiquidSoundVelocity(model, facts.celsiusMax));
        for (const double beyond :
             {facts.celsiusMin - 0.001, facts.celsiusMax + 0.001, double(NAN)})
            EXPECT_THROW(FncLiquidSoundVelocity(model, beyond), CalcError);
        EXPECT_EQ(FncLiquidVelocityPerBar(model, facts.celsiusMin) > 0, facts.saturated);
    }
    EXPECT_NO_THROW(FncLiquidSoundVelocity(L::Seawater, 10, kSalinityMin));
    EXPECT_NO_THROW(FncLiquidSoundVelocity(L::Seawater, 10, kSalinityMax));
    for (const double beyond : {-0.001, 40.001, double(NAN)})
        EXPECT_THROW(FncLiquidSoundVelocity(L::Seawater, 10, beyond), CalcError);
    EXPECT_NEAR(FncLiquidVelocityPerBar(L::R410A, 0), 1.17, 0.05);
}

}  // namespace
