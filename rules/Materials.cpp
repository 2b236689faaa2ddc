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
    {CaptionPipeVelocity, 0},
}};

// "NO LINING" has velocity 0, which makes the calculation skip the lining
// layer.
constexpr std::array<MaterialRow, kLiningMaterialRows> kLinings = {{
    {LiningNone, 0},
    {LiningTarEpoxy, 2505},
    {LiningMortar, 3000},
    {LiningRubber, 1510},
    {LiningTeflon, 1240},
    {LiningPyrexGlass, 3280},
    {LiningPvc, 2307},
    {CaptionLiningVelocity, 0},
}};

constexpr std::array<FluidRow, kFluidRows> kFluids = {{
    {FluidWater, 1440, &kPureWaterModel},
    {FluidSeawater, 1522},
    {FluidDistilledWater, 1487, &kPureWaterModel},
    {FluidAmmonia, 1376},
    {FluidAlcohol, 1180},
    {FluidBenzene, 1327},
    {FluidBromide, 904},
    {FluidEthanol, 1230},
    {FluidGlycol, 1668},
    {FluidKerosene, 1338},
    {FluidMilk, 1497},
    {FluidMethanol, 1122},
    {FluidToluol, 1325},
    {FluidLubeOil, 1530},
    {FluidFuelOil, 1250},
    {FluidPetrol, 1390},
    {FluidRefrigerantR410, 414},
    {CaptionFluidVelocity, 0},
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
