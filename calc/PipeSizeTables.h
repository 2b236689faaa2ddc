#pragma once
// Outer diameters and walls of pipes as the standards list them: one table
// per schedule (a standard's pipe class or wall series), sizes ascending. A
// size the schedule does not have is not in its table.

#include <span>
#include <string_view>

// What a standard's pipes are made of.
enum class PipeMaterialKind { CarbonSteel, StainlessSteel, Pvc };

struct PipeSize {
    std::string_view name;  // as the standard names it: "100A", "1-1/4", "13"
    double outerDiameterMm;
    double wallMm;
    // The sizes of the ASME standards are defined in inches: their exact
    // values. 0 for the standards that are defined in millimetres.
    double outerDiameterInch = 0;
    double wallInch = 0;
};

struct PipeSchedule {
    std::string_view name;      // "SGP", "ASME Sch40"
    std::string_view standard;  // "JIS G 3452"
    PipeMaterialKind material;
    std::span<const PipeSize> sizes;
};

// Every schedule, in the order a user picks them from.
std::span<const PipeSchedule> PipeSchedules();
