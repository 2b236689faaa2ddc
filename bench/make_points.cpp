// Writes a CSV list of N measuring points to standard output, the same list
// for the same N on every machine: a tag, the pipe from common nominal outer
// diameters and walls, mostly steel and water, some linings, a few typed
// velocities, both mounting methods and every sensor in use. One row in a
// hundred is refused on purpose (a wall thicker than the range, a name not in
// a list, an empty outer diameter), as in a list typed by hand, and a few
// fail as the window would (a sensor too large for the pipe).
//
// With "ja", names and tags are the Japanese ones (UTF-8), as a planner on
// Japanese Windows writes them.
//
//   make_points N [ja] > points.csv
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <utility>

namespace {

// A fixed linear congruential sequence: the same on every platform, unlike
// the standard distributions.
class Sequence {
public:
    std::uint32_t next(std::uint32_t below) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>(state_ >> 33) % below;
    }

private:
    std::uint64_t state_ = 20261207;
};

template <typename T, std::size_t N>
const T& Pick(Sequence& sequence, const T (&entries)[N]) {
    return entries[sequence.next(N)];
}

// Nominal outer diameters (mm) with a typical wall (mm).
struct Pipe {
    const char* outer;
    const char* wall;
};
constexpr Pipe kPipes[] = {
    {"27.2", "2.8"},   {"34.0", "3.2"},   {"42.7", "3.5"},   {"48.6", "3.7"},    {"60.5", "3.9"},
    {"76.3", "5.2"},   {"89.1", "5.5"},   {"114.3", "6"},    {"139.8", "6.6"},   {"165.2", "7.1"},
    {"216.3", "8.2"},  {"267.4", "9.3"},  {"318.5", "10.3"}, {"355.6", "11.1"},  {"406.4", "12.7"},
    {"508.0", "15.1"}, {"609.6", "17.5"}, {"812.8", "20.6"}, {"1016.0", "25.4"}, {"1524.0", "31.8"},
};
constexpr const char* kMaterials[] = {
    "CARBON STEEL", "CARBON STEEL", "CARBON STEEL", "STAINLESS STEEL", "STAINLESS STEEL",
    "DUCTILE IRON", "CAST IRON",    "PVC",          "COPPER",          "PEEK"};
constexpr const char* kLinings[] = {"TAR EPOXY", "MORTAR", "RUBBER", "TEFLON", "PVC"};
constexpr const char* kFluids[] = {"WATER",  "WATER",    "WATER",    "WATER",   "SEAWATER",
                                   "GLYCOL", "KEROSENE", "FUEL OIL", "METHANOL"};
// Small pipes take the small sensors, mounted the V way; the others any.
constexpr int kSmallPipes = 5;
constexpr const char* kSmallPipeSensors[] = {"TA_01", "TA_02", "TB_02/TC_02"};
constexpr const char* kSensors[] = {"TB_01/TC_01", "TB_01/TC_01", "TB_02/TC_02",
                                    "TB_03/TC_03", "TB_04/TC_04", "TB_05/TC_05",
                                    "TD_01",       "TD_02",       "TD_03"};

// The Japanese names of the entries above, as the window's lists show them.
std::string Japanese(const std::string& name) {
    static const std::pair<const char*, const char*> kNames[] = {
        {"CARBON STEEL", "鋼管"},
        {"STAINLESS STEEL", "ｽﾃﾝﾚｽ管"},
        {"DUCTILE IRON", "ﾀﾞｸﾀｲﾙ鋳鉄管"},
        {"CAST IRON", "鋳鉄管"},
        {"PVC", "塩ﾋﾞ管"},
        {"COPPER", "銅管"},
        {"PIPE S.V.", "配管音速"},
        {"NO LINING", "ﾗｲﾆﾝｸﾞ無し"},
        {"TAR EPOXY", "ﾀｰﾙｴﾎﾟｷｼ"},
        {"MORTAR", "ﾓﾙﾀﾙ"},
        {"RUBBER", "ｺﾞﾑ"},
        {"TEFLON", "ﾃﾌﾛﾝ"},
        {"WATER", "水"},
        {"SEAWATER", "海水"},
        {"GLYCOL", "ｸﾞﾘｺｰﾙ"},
        {"KEROSENE", "ｹﾛｼﾝ"},
        {"FUEL OIL", "燃料油"},
        {"METHANOL", "ﾒﾀﾉｰﾙ"},
        {"FLUID S.V.", "流体音速"},
        {"V METHOD", "V法"},
        {"Z METHOD", "Z法"},
    };
    for (const auto& [english, japanese] : kNames) {
        if (name == english) return japanese;
    }
    return name;
}

std::string Row(long index, Sequence& sequence, bool japanese) {
    const std::uint32_t pipeAt = sequence.next(std::size(kPipes));
    const Pipe& pipe = kPipes[pipeAt];
    const bool small = pipeAt < kSmallPipes;
    std::string outer = pipe.outer;
    std::string wall = pipe.wall;
    std::string material = Pick(sequence, kMaterials);
    std::string pipeVelocity;
    if (sequence.next(50) == 0) {
        material = "PIPE S.V.";
        pipeVelocity = std::to_string(2800 + sequence.next(500));
    }
    std::string lining = "NO LINING";
    std::string liningThickness;
    if (sequence.next(8) == 0) {
        lining = Pick(sequence, kLinings);
        liningThickness = std::to_string(1 + sequence.next(6)) + ".5";
    }
    std::string fluid = Pick(sequence, kFluids);
    std::string fluidVelocity;
    if (sequence.next(40) == 0) {
        fluid = "FLUID S.V.";
        fluidVelocity = std::to_string(1300 + sequence.next(300));
    }
    std::string method = small || sequence.next(10) < 7 ? "V METHOD" : "Z METHOD";
    const char* sensor = small ? Pick(sequence, kSmallPipeSensors) : Pick(sequence, kSensors);
    switch (sequence.next(300)) {
        case 0:
            wall = "150";
            break;
        case 1:
            material = "BRASS";
            break;
        case 2:
            outer.clear();
            break;
        default:
            break;
    }
    char tag[32];
    std::snprintf(tag, sizeof tag, japanese ? "計画-%07ld" : "FT-%07ld", index + 1);
    if (japanese) {
        for (std::string* name : {&material, &lining, &fluid, &method}) *name = Japanese(*name);
    }
    return std::string(tag) + ',' + outer + ',' + wall + ",\"" + material + "\"," + pipeVelocity +
           ',' + lining + ',' + liningThickness + ',' + fluid + ',' + fluidVelocity + ',' + method +
           ',' + sensor + '\n';
}

}  // namespace

int main(int argc, char** argv) {
    const long count = argc > 1 ? std::atol(argv[1]) : 0;
    const bool japanese = argc > 2 && std::string(argv[2]) == "ja";
    if (count <= 0) {
        std::fprintf(stderr, "usage: make_points N [ja] > points.csv\n");
        return 2;
    }
    std::string text =
        "tag,outer-diameter,wall,pipe,pipe-velocity,lining,lining-thickness,fluid,fluid-velocity,"
        "method,sensor\n";
    Sequence sequence;
    for (long index = 0; index < count; ++index) {
        text += Row(index, sequence, japanese);
        if (text.size() > (1 << 20)) {
            std::fwrite(text.data(), 1, text.size(), stdout);
            text.clear();
        }
    }
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
