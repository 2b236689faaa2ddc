#include "rules/Materials.h"

#include <array>

#include "calc/CalcError.h"
#include "rules/ListPositions.h"

namespace {

using enum TextId;

constexpr std::array<MaterialRow, kPipeMaterialRows> kPipes = {{
    {PipeCarbonSteel, 3000},
    {PipeStainlessSteel, 3141},
    {PipePvc, 2307},
    {PipeCopper, 2260},
    {PipeCastIron, 2604},
    {PipeAluminum, 3080},
    {PipeFrp, 2505},
    {PipeDuctileIron, 3000},
    {PipePeek, 2307},
    {PipePvdf, 2307},
    {PipeAcrylic, 2644},
    {PipePp, 2307},
    {CaptionPipeVelocity},
}};

// "NO LINING" has velocity 0, which makes the calculation skip the lining
// layer.
constexpr std::array<MaterialRow, kLiningMaterialRows> kLinings = {{
    {LiningNone},
    {LiningTarEpoxy, 2505},
    {LiningMortar, 3000},
    {LiningRubber, 1510},
    {LiningTeflon, 1240},
    {LiningPyrexGlass, 3280},
    {LiningPvc, 2307},
    {CaptionLiningVelocity},
}};

constexpr std::array<FluidRow, kFluidRows> kFluids = {{
    {FluidWater, 1440, &kPureWaterModel},
    {FluidSeawater, 1522, &ModelOf(LiquidModel::Seawater)},
    {FluidDistilledWater, 1487, &kPureWaterModel},
    {FluidAmmonia, 1376, &ModelOf(LiquidModel::Ammonia)},
    {FluidAlcohol, 1180},
    {FluidBenzene, 1327, &ModelOf(LiquidModel::Benzene)},
    {FluidBromide, 904},
    {FluidEthanol, 1230, &ModelOf(LiquidModel::Ethanol)},
    {FluidGlycol, 1668, &ModelOf(LiquidModel::Glycol)},
    {FluidKerosene, 1338},
    {FluidMilk, 1497},
    {FluidMethanol, 1122},
    {FluidToluol, 1325, &ModelOf(LiquidModel::Toluene)},
    {FluidLubeOil, 1530},
    {FluidFuelOil, 1250},
    {FluidPetrol, 1390},
    {FluidRefrigerantR410, 414, &ModelOf(LiquidModel::R410A)},
    {CaptionFluidVelocity},
}};

static_assert(kPipes[kPipeTypedVelocityEntry].name == CaptionPipeVelocity &&
              kLinings[kLiningTypedVelocityEntry].name == CaptionLiningVelocity &&
              kFluids[kFluidTypedVelocityEntry].name == CaptionFluidVelocity);
static_assert(kLinings[kNoLiningEntry].name == LiningNone);
static_assert(kPipes[kCarbonSteelEntry].name == PipeCarbonSteel &&
              kPipes[kStainlessSteelEntry].name == PipeStainlessSteel &&
              kPipes[kPvcEntry].name == PipePvc);

template <typename Row, std::size_t Rows>
double VelocityAt(const std::array<Row, Rows>& table, int position) {
    if (position < 0 || position >= int(Rows)) throw CalcError(CalcErrorKind::SubscriptOutOfRange);
    return table[std::size_t(position)].velocity;
}

}  // namespace

std::span<const MaterialRow, kPipeMaterialRows> PipeMaterials() {
    return kPipes;
}

std::span<const MaterialRow, kLiningMaterialRows> LiningMaterials() {
    return kLinings;
}

std::span<const FluidRow, kFluidRows> Fluids() {
    return kFluids;
}

double PipeVelocityAt(int position) {
    return VelocityAt(kPipes, position);
}

double LiningVelocityAt(int position) {
    return VelocityAt(kLinings, position);
}

double FluidVelocityAt(int position) {
    return VelocityAt(kFluids, position);
}

const TemperatureModel* FncTemperatureModelOf(int position) {
    if (position == kFluidTypedVelocityEntry) return &kPureWaterModel;
    if (position < 0 || position >= kFluidRows) return nullptr;
    return kFluids[std::size_t(position)].temperature;
}

bool FncFluidTakesTemperature(int position) {
    return FncTemperatureModelOf(position) != nullptr;
}
