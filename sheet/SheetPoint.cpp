#include "sheet/SheetPoint.h"

#include <QStringList>

#include "calc/NumericFunctions.h"
#include "calc/SensorTable.h"
#include "rules/NameLists.h"
#include "rules/NumberText.h"
#include "rules/UnitTexts.h"
#include "rules/WaterTemperature.h"

namespace {

using enum InputId;

QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

class PageWriter {
public:
    explicit PageWriter(const SheetPoint& point) : point_(point) {}

    SheetPage Page() {
        const SpacingRequest& read = point_.run.request;
        SheetPage page;
        // Untagged, a point is known by its pipe, method and sensor.
        page.title = point_.tag;
        if (page.title.isEmpty()) {
            page.title = WithUnit(PipeText(QStringLiteral(" x ")), Quantity::Length) +
                         QStringLiteral("  ") + ListText(MountingMethod) + QStringLiteral("  ") +
                         ListText(SensorType);
        }
        const auto add = [&](InputId input, const QString& value) {
            page.entries.emplace_back(Caption(Describe(input).captionTextId), value);
        };
        const std::optional<PipeSizeTexts> table = TableTexts();
        add(OuterDiameter,
            table ? WithUnit(table->outerDiameter, Quantity::Length) : Length(read.outerDiameter));
        add(WallThickness,
            table ? WithUnit(table->wall, Quantity::Length) : Length(read.wallThickness));
        add(PipeMaterial, ListText(PipeMaterial));
        add(PipeVelocity, Velocity(PipeVelocity, read.pipeVelocity));
        add(LiningMaterial, ListText(LiningMaterial));
        if (!IsLocked(Describe(LiningThickness), point_.entries)) {
            add(LiningThickness, Length(read.liningThickness));
            add(LiningVelocity, Velocity(LiningVelocity, read.liningVelocity));
        }
        add(Fluid, ListText(Fluid));
        add(FluidVelocity, Velocity(FluidVelocity, read.fluidVelocity));
        if (point_.waterTemperature) {
            page.entries.emplace_back(
                Caption(WaterTemperatureInput().captionTextId),
                WithUnit(FncPlainNumberText(*point_.waterTemperature, point_.format.locale),
                         Quantity::Temperature));
        }
        if (point_.pipeSize) {
            const PipeSchedule& schedule = ScheduleOf(*point_.pipeSize);
            page.entries.emplace_back(
                Caption(TextId::PipeSizeSchedule),
                Latin1(schedule.name) + QStringLiteral(" (") + Latin1(schedule.standard) + u')');
            page.entries.emplace_back(Caption(TextId::PipeSizeNominalSize),
                                      Latin1(SizeOf(*point_.pipeSize).name));
        }
        add(SensorType, FncSensorDescription(SensorTable(read.sensorRow), point_.format.locale));
        add(MountingMethod, ListText(MountingMethod));

        const SpacingTexts& shown = point_.run.texts;
        page.resultCaption = ComposedMountSizeCaption(1, point_.language);
        page.resultText = shown.result1;
        if (!shown.result2.isEmpty()) {
            page.stepsCaption = ComposedMountSizeCaption(2, point_.language);
            page.stepsText = shown.result2;
        }
        page.geometry = {read.outerDiameter,     read.wallThickness,
                         read.liningThickness,   shown.shownMm,
                         Traverses(read.method), SensorsOnSameSide(read.method)};
        return page;
    }

    // "114.3 x 6.0": the outer diameter `by` the wall, as the pipe size
    // tables write them.
    QString PipeText(const QString& by) const {
        if (const std::optional<PipeSizeTexts> table = TableTexts())
            return table->outerDiameter + by + table->wall;
        const SpacingRequest& read = point_.run.request;
        return FncPipeSizeNumberText(InUnits(read.outerDiameter), point_.format) + by +
               FncPipeSizeNumberText(InUnits(read.wallThickness), point_.format);
    }

    QString ListText(InputId list) const {
        const int position = point_.entries[FocusPosition(list)].position;
        return Describe(list).entryNames(point_.language).value(position);
    }

private:
    QString Caption(TextId id) const { return FncGetText(id, point_.language); }

    double InUnits(double mm) const {
        return point_.format.units == Units::Inch ? FncMmToInch(mm) : mm;
    }

    QString WithUnit(const QString& number, Quantity quantity) const {
        return FncWithUnit(number, quantity, point_.format.units);
    }

    QString Length(double mm) const {
        return WithUnit(FncPlainNumberText(InUnits(mm), point_.format.locale), Quantity::Length);
    }

    QString Velocity(InputId input, double metresPerSecond) const {
        return FncVelocityText(metresPerSecond, IsLocked(Describe(input), point_.entries),
                               point_.format);
    }

    std::optional<PipeSizeTexts> TableTexts() const {
        if (!point_.pipeSize) return std::nullopt;
        return FncPipeSizeTexts(SizeOf(*point_.pipeSize), point_.format);
    }

    const SheetPoint& point_;
};

// Characters a file name cannot hold on Windows, or holds only with trouble
// elsewhere.
QString SafeFileName(QString name) {
    for (QChar& c : name) {
        if (c.unicode() < 0x20 || QStringLiteral("\\/:*?\"<>|").contains(c)) c = u'-';
    }
    return name;
}

}  // namespace

SheetPage FncSheetPage(const SheetPoint& point) {
    return PageWriter(point).Page();
}

QString FncSheetFileName(const SheetPoint& point) {
    const PageWriter writer(point);
    return SafeFileName(writer.PipeText(QStringLiteral("x")) + u' ' +
                        FncMethodLetter(point.run.request.method) + u' ' +
                        writer.ListText(SensorType)) +
           QStringLiteral(".pdf");
}
