// The dimension tables of the pipe standards, laid out as the standards print
// them: one row per nominal size, the outer diameter, then one wall per
// schedule column, 0 where the standard has no such pipe. Millimetres as the
// standards give them; the ASME tables also in inches, the unit they are
// defined in.

#include "calc/PipeSizeTables.h"

#include <deque>
#include <vector>

namespace {

using M = PipeMaterialKind;

template <std::size_t Columns>
struct MetricRow {
    std::string_view size;
    double outerDiameter;
    double walls[Columns];
};

struct InchAndMm {
    double inch, mm;
};

template <std::size_t Columns>
struct InchRow {
    std::string_view size;
    InchAndMm outerDiameter;
    InchAndMm walls[Columns];
};

// The tables keep the columns of the printed ones.
// clang-format off

// JIS G 3452, carbon steel pipes for ordinary piping: SGP.
constexpr MetricRow<1> kJisG3452[] = {
    {"15A", 21.7, {2.8}},   {"20A", 27.2, {2.8}},   {"25A", 34.0, {3.2}},   {"32A", 42.7, {3.5}},
    {"40A", 48.6, {3.5}},   {"50A", 60.5, {3.8}},   {"65A", 76.3, {4.2}},   {"80A", 89.1, {4.2}},
    {"90A", 101.6, {4.2}},  {"100A", 114.3, {4.5}}, {"125A", 139.8, {4.5}}, {"150A", 165.2, {5.0}},
    {"175A", 190.7, {5.3}}, {"200A", 216.3, {5.8}}, {"225A", 241.8, {6.2}}, {"250A", 267.4, {6.6}},
    {"300A", 318.5, {6.9}}, {"350A", 355.6, {7.9}}, {"400A", 406.4, {7.9}}, {"450A", 457.2, {7.9}},
    {"500A", 508.0, {7.9}},
};

// JIS G 3454, carbon steel pipes for pressure service (STPG): Sch 40, Sch 80.
// It has no 175A and no 225A.
constexpr MetricRow<2> kJisG3454[] = {
    {"15A", 21.7, {2.8, 3.7}},     {"20A", 27.2, {2.9, 3.9}},     {"25A", 34.0, {3.4, 4.5}},
    {"32A", 42.7, {3.6, 4.9}},     {"40A", 48.6, {3.7, 5.1}},     {"50A", 60.5, {3.9, 5.5}},
    {"65A", 76.3, {5.2, 7.0}},     {"80A", 89.1, {5.5, 7.6}},     {"90A", 101.6, {5.7, 8.1}},
    {"100A", 114.3, {6.0, 8.6}},   {"125A", 139.8, {6.6, 9.5}},   {"150A", 165.2, {7.1, 11.0}},
    {"200A", 216.3, {8.2, 12.7}},  {"250A", 267.4, {9.3, 15.1}},  {"300A", 318.5, {10.3, 17.4}},
    {"350A", 355.6, {11.1, 19.0}}, {"400A", 406.4, {12.7, 21.4}}, {"450A", 457.2, {14.3, 23.8}},
    {"500A", 508.0, {15.1, 26.2}},
};

// JIS G 3459, stainless steel pipes (SUS): Sch 5S, Sch 10S, Sch 20S, Sch 40.
constexpr MetricRow<4> kJisG3459[] = {
    {"15A", 21.7, {1.65, 2.1, 2.5, 2.8}},   {"20A", 27.2, {1.65, 2.1, 2.5, 2.9}},
    {"25A", 34.0, {1.65, 2.8, 3.0, 3.4}},   {"32A", 42.7, {1.65, 2.8, 3.0, 3.6}},
    {"40A", 48.6, {1.65, 2.8, 3.0, 3.7}},   {"50A", 60.5, {1.65, 2.8, 3.5, 3.9}},
    {"65A", 76.3, {2.1, 3.0, 3.5, 5.2}},    {"80A", 89.1, {2.1, 3.0, 4.0, 5.5}},
    {"90A", 101.6, {2.1, 3.0, 4.0, 5.7}},   {"100A", 114.3, {2.1, 3.0, 4.0, 6.0}},
    {"125A", 139.8, {2.8, 3.4, 5.0, 6.6}},  {"150A", 165.2, {2.8, 3.4, 5.0, 7.1}},
    {"200A", 216.3, {2.8, 4.0, 6.5, 8.2}},  {"250A", 267.4, {3.4, 4.0, 6.5, 9.3}},
    {"300A", 318.5, {4.0, 4.5, 6.5, 10.3}},
};

// ASME B36.10M, welded and seamless wrought steel pipe: Sch 10, Sch 40,
// Sch 80, STD, XS. STD follows Sch 40 up to NPS 10 and stays at 0.375 in
// above; XS follows Sch 80 up to NPS 8 and stays at 0.500 in above. NPS 22
// has no Sch 40.
constexpr InchRow<5> kAsmeB3610M[] = {
    {"1/2", {0.840, 21.3}, {{0.083, 2.11}, {0.109, 2.77}, {0.147, 3.73}, {0.109, 2.77}, {0.147, 3.73}}},
    {"3/4", {1.050, 26.7}, {{0.083, 2.11}, {0.113, 2.87}, {0.154, 3.91}, {0.113, 2.87}, {0.154, 3.91}}},
    {"1", {1.315, 33.4}, {{0.109, 2.77}, {0.133, 3.38}, {0.179, 4.55}, {0.133, 3.38}, {0.179, 4.55}}},
    {"1-1/4", {1.660, 42.2}, {{0.109, 2.77}, {0.140, 3.56}, {0.191, 4.85}, {0.140, 3.56}, {0.191, 4.85}}},
    {"1-1/2", {1.900, 48.3}, {{0.109, 2.77}, {0.145, 3.68}, {0.200, 5.08}, {0.145, 3.68}, {0.200, 5.08}}},
    {"2", {2.375, 60.3}, {{0.109, 2.77}, {0.154, 3.91}, {0.218, 5.54}, {0.154, 3.91}, {0.218, 5.54}}},
    {"2-1/2", {2.875, 73.0}, {{0.120, 3.05}, {0.203, 5.16}, {0.276, 7.01}, {0.203, 5.16}, {0.276, 7.01}}},
    {"3", {3.500, 88.9}, {{0.120, 3.05}, {0.216, 5.49}, {0.300, 7.62}, {0.216, 5.49}, {0.300, 7.62}}},
    {"3-1/2", {4.000, 101.6}, {{0.120, 3.05}, {0.226, 5.74}, {0.318, 8.08}, {0.226, 5.74}, {0.318, 8.08}}},
    {"4", {4.500, 114.3}, {{0.120, 3.05}, {0.237, 6.02}, {0.337, 8.56}, {0.237, 6.02}, {0.337, 8.56}}},
    {"5", {5.563, 141.3}, {{0.134, 3.40}, {0.258, 6.55}, {0.375, 9.53}, {0.258, 6.55}, {0.375, 9.53}}},
    {"6", {6.625, 168.3}, {{0.134, 3.40}, {0.280, 7.11}, {0.432, 10.97}, {0.280, 7.11}, {0.432, 10.97}}},
    {"8", {8.625, 219.1}, {{0.148, 3.76}, {0.322, 8.18}, {0.500, 12.70}, {0.322, 8.18}, {0.500, 12.70}}},
    {"10", {10.750, 273.1}, {{0.165, 4.19}, {0.365, 9.27}, {0.594, 15.09}, {0.365, 9.27}, {0.500, 12.70}}},
    {"12", {12.750, 323.9}, {{0.180, 4.57}, {0.406, 10.31}, {0.688, 17.48}, {0.375, 9.53}, {0.500, 12.70}}},
    {"14", {14.000, 355.6}, {{0.250, 6.35}, {0.438, 11.13}, {0.750, 19.05}, {0.375, 9.53}, {0.500, 12.70}}},
    {"16", {16.000, 406.4}, {{0.250, 6.35}, {0.500, 12.70}, {0.844, 21.44}, {0.375, 9.53}, {0.500, 12.70}}},
    {"18", {18.000, 457}, {{0.250, 6.35}, {0.562, 14.27}, {0.938, 23.83}, {0.375, 9.53}, {0.500, 12.70}}},
    {"20", {20.000, 508}, {{0.250, 6.35}, {0.594, 15.09}, {1.031, 26.19}, {0.375, 9.53}, {0.500, 12.70}}},
    {"22", {22.000, 559}, {{0.250, 6.35}, {}, {1.125, 28.58}, {0.375, 9.53}, {0.500, 12.70}}},
    {"24", {24.000, 610}, {{0.250, 6.35}, {0.688, 17.48}, {1.219, 30.96}, {0.375, 9.53}, {0.500, 12.70}}},
};

// ASME B36.19M, stainless steel pipe: Sch 5S, Sch 10S, Sch 40S, Sch 80S. 40S
// parts from Sch 40 at NPS 12, 80S from Sch 80 at NPS 10.
constexpr InchRow<4> kAsmeB3619M[] = {
    {"1/2", {0.840, 21.3}, {{0.065, 1.65}, {0.083, 2.11}, {0.109, 2.77}, {0.147, 3.73}}},
    {"3/4", {1.050, 26.7}, {{0.065, 1.65}, {0.083, 2.11}, {0.113, 2.87}, {0.154, 3.91}}},
    {"1", {1.315, 33.4}, {{0.065, 1.65}, {0.109, 2.77}, {0.133, 3.38}, {0.179, 4.55}}},
    {"1-1/4", {1.660, 42.2}, {{0.065, 1.65}, {0.109, 2.77}, {0.140, 3.56}, {0.191, 4.85}}},
    {"1-1/2", {1.900, 48.3}, {{0.065, 1.65}, {0.109, 2.77}, {0.145, 3.68}, {0.200, 5.08}}},
    {"2", {2.375, 60.3}, {{0.065, 1.65}, {0.109, 2.77}, {0.154, 3.91}, {0.218, 5.54}}},
    {"2-1/2", {2.875, 73.0}, {{0.083, 2.11}, {0.120, 3.05}, {0.203, 5.16}, {0.276, 7.01}}},
    {"3", {3.500, 88.9}, {{0.083, 2.11}, {0.120, 3.05}, {0.216, 5.49}, {0.300, 7.62}}},
    {"3-1/2", {4.000, 101.6}, {{0.083, 2.11}, {0.120, 3.05}, {0.226, 5.74}, {0.318, 8.08}}},
    {"4", {4.500, 114.3}, {{0.083, 2.11}, {0.120, 3.05}, {0.237, 6.02}, {0.337, 8.56}}},
    {"5", {5.563, 141.3}, {{0.109, 2.77}, {0.134, 3.40}, {0.258, 6.55}, {0.375, 9.53}}},
    {"6", {6.625, 168.3}, {{0.109, 2.77}, {0.134, 3.40}, {0.280, 7.11}, {0.432, 10.97}}},
    {"8", {8.625, 219.1}, {{0.109, 2.77}, {0.148, 3.76}, {0.322, 8.18}, {0.500, 12.70}}},
    {"10", {10.750, 273.1}, {{0.134, 3.40}, {0.165, 4.19}, {0.365, 9.27}, {0.500, 12.70}}},
    {"12", {12.750, 323.9}, {{0.156, 3.96}, {0.180, 4.57}, {0.375, 9.53}, {0.500, 12.70}}},
};

// JIS K 6741, unplasticized poly(vinyl chloride) pipes: VP, VU. The walls are
// the minimum walls the standard lists; it allows them only thicker, and a
// typical pipe's wall lies in the middle of that band, up to about 2 mm above
// the minimum on the largest VU sizes.
constexpr MetricRow<2> kJisK6741[] = {
    {"13",   18.0, {2.2,  0}},   {"16",   22.0, {2.7,  0}},   {"20",   26.0, {2.7,  0}},
    {"25",   32.0, {3.1,  0}},   {"30",   38.0, {3.1,  0}},   {"40",   48.0, {3.6,  1.8}},
    {"50",   60.0, {4.1,  1.8}}, {"65",   76.0, {4.1,  2.2}}, {"75",   89.0, {5.5,  2.7}},
    {"100", 114.0, {6.6,  3.1}}, {"125", 140.0, {7.0,  4.1}}, {"150", 165.0, {8.9,  5.1}},
    {"200", 216.0, {10.3, 6.5}}, {"250", 267.0, {12.7, 7.8}}, {"300", 318.0, {15.1, 9.2}},
    {"350", 370.0, {0, 10.5}},   {"400", 420.0, {0, 11.8}},   {"450", 470.0, {0, 13.2}},
    {"500", 520.0, {0, 14.6}},   {"600", 630.0, {0, 17.8}},   {"700", 732.0, {0, 21.0}},
    {"800", 835.0, {0, 23.9}},
};

// clang-format on

constexpr double Mm(double value) {
    return value;
}
constexpr double Mm(InchAndMm value) {
    return value.mm;
}
// An inch table's millimetres are its inches converted, to the precision the
// standard prints them, and both are there or neither.
constexpr bool Converted(double, double) {
    return true;
}
constexpr bool Converted(InchAndMm value, double tolerance) {
    const double gap = value.mm - value.inch * 25.4;
    return (value.mm > 0) == (value.inch > 0) && gap <= tolerance && -gap <= tolerance;
}

// Sizes ascending, and every wall leaves a bore.
template <class Row, std::size_t Rows>
constexpr bool WellFormed(const Row (&rows)[Rows]) {
    for (std::size_t i = 0; i < Rows; ++i) {
        const double outerDiameter = Mm(rows[i].outerDiameter);
        if (i > 0 && outerDiameter <= Mm(rows[i - 1].outerDiameter)) return false;
        if (!Converted(rows[i].outerDiameter, 0.5)) return false;
        for (const auto& wall : rows[i].walls) {
            if (Mm(wall) >= outerDiameter / 2 || !Converted(wall, 0.0051)) return false;
        }
    }
    return true;
}
static_assert(WellFormed(kJisG3452) && WellFormed(kJisG3454) && WellFormed(kJisG3459) &&
              WellFormed(kAsmeB3610M) && WellFormed(kAsmeB3619M) && WellFormed(kJisK6741));

// The schedules in the order they are offered, each a column of a table.
class Catalogue {
public:
    Catalogue() {
        Add("SGP", "JIS G 3452", M::CarbonSteel, kJisG3452, 0);
        Add("STPG Sch40", "JIS G 3454", M::CarbonSteel, kJisG3454, 0);
        Add("STPG Sch80", "JIS G 3454", M::CarbonSteel, kJisG3454, 1);
        Add("SUS Sch5S", "JIS G 3459", M::StainlessSteel, kJisG3459, 0);
        Add("SUS Sch10S", "JIS G 3459", M::StainlessSteel, kJisG3459, 1);
        Add("SUS Sch20S", "JIS G 3459", M::StainlessSteel, kJisG3459, 2);
        Add("SUS Sch40", "JIS G 3459", M::StainlessSteel, kJisG3459, 3);
        Add("ASME Sch10", "ASME B36.10M", M::CarbonSteel, kAsmeB3610M, 0);
        Add("ASME Sch40", "ASME B36.10M", M::CarbonSteel, kAsmeB3610M, 1);
        Add("ASME Sch80", "ASME B36.10M", M::CarbonSteel, kAsmeB3610M, 2);
        Add("ASME STD", "ASME B36.10M", M::CarbonSteel, kAsmeB3610M, 3);
        Add("ASME XS", "ASME B36.10M", M::CarbonSteel, kAsmeB3610M, 4);
        Add("ASME Sch5S", "ASME B36.19M", M::StainlessSteel, kAsmeB3619M, 0);
        Add("ASME Sch10S", "ASME B36.19M", M::StainlessSteel, kAsmeB3619M, 1);
        Add("ASME Sch40S", "ASME B36.19M", M::StainlessSteel, kAsmeB3619M, 2);
        Add("ASME Sch80S", "ASME B36.19M", M::StainlessSteel, kAsmeB3619M, 3);
        Add("PVC VP", "JIS K 6741", M::Pvc, kJisK6741, 0);
        Add("PVC VU", "JIS K 6741", M::Pvc, kJisK6741, 1);
    }

    std::span<const PipeSchedule> Schedules() const { return schedules_; }

private:
    template <std::size_t Columns>
    static PipeSize SizeOf(const MetricRow<Columns>& row, std::size_t column) {
        return {row.size, row.outerDiameter, row.walls[column]};
    }
    template <std::size_t Columns>
    static PipeSize SizeOf(const InchRow<Columns>& row, std::size_t column) {
        const InchAndMm& wall = row.walls[column];
        return {row.size, row.outerDiameter.mm, wall.mm, row.outerDiameter.inch, wall.inch};
    }

    template <class Row, std::size_t Rows>
    void Add(std::string_view name, std::string_view standard, PipeMaterialKind material,
             const Row (&rows)[Rows], std::size_t column) {
        std::vector<PipeSize>& sizes = columns_.emplace_back();
        for (const Row& row : rows) {
            const PipeSize size = SizeOf(row, column);
            if (size.wallMm > 0) sizes.push_back(size);
        }
        schedules_.push_back({name, standard, material, sizes});
    }

    // A deque keeps every column in place while more are added.
    std::deque<std::vector<PipeSize>> columns_;
    std::vector<PipeSchedule> schedules_;
};

}  // namespace

std::span<const PipeSchedule> PipeSchedules() {
    static const Catalogue catalogue;
    return catalogue.Schedules();
}
