#include "cli/Listing.h"

#include <QString>
#include <algorithm>
#include <vector>

#include "calc/SensorTable.h"
#include "cli/TextColumns.h"
#include "rules/InputDescriptors.h"
#include "rules/NameLists.h"
#include "rules/NumberText.h"
#include "rules/PipeSizes.h"
#include "rules/UnitTexts.h"

namespace {

// A velocity of a table in the run's unit, whole.
QString VelocityText(double metresPerSecond, Units units) {
    return FncVelocityText(metresPerSecond, true, {units, QLocale::c()});
}

struct Row {
    QString name;
    QString details;
};

std::string Section(const InputDescriptor& list, const std::vector<Row>& rows,
                    const StartupValues& startup) {
    int width = 0;
    for (const Row& row : rows) width = std::max(width, DisplayWidth(row.name));
    QString text = startup.Text(list.captionTextId) + QLatin1Char('\n');
    for (const Row& row : rows) {
        text += QStringLiteral("  ") + row.name;
        if (!row.details.isEmpty()) {
            text += QString(width - DisplayWidth(row.name) + 2, QLatin1Char(' ')) + row.details;
        }
        text += QLatin1Char('\n');
    }
    return text.toStdString();
}

// The velocity input that depends on `list`, if any.
const InputDescriptor* VelocityOf(const InputDescriptor& list) {
    for (const InputDescriptor& input : Inputs()) {
        if (input.lock && input.lock->list == list.id && input.quantity == Quantity::Velocity)
            return &input;
    }
    return nullptr;
}

// Every pipe size table: its standard and implied pipe material, then each
// size with its outer diameter and wall in the run's unit.
std::string PipeSizeSection(const StartupValues& startup) {
    const QStringList pipes = PipeNameList(startup.language);
    // The sizes as a command line takes them, whatever the user's locale.
    const NumberFormat format{startup.format.units, QLocale::c()};
    QString text = startup.Text(TextId::PipeSizeTitle) + QLatin1Char('\n');
    for (const PipeSchedule& schedule : PipeSchedules()) {
        text += QStringLiteral("  %1  %2  %3\n")
                    .arg(QString::fromLatin1(schedule.name.data(), qsizetype(schedule.name.size())),
                         QString::fromLatin1(schedule.standard.data(),
                                             qsizetype(schedule.standard.size())),
                         pipes[FncImpliedPipeEntry(schedule)]);
        for (const PipeSize& size : schedule.sizes) {
            const PipeSizeTexts texts = FncPipeSizeTexts(size, format);
            text += QStringLiteral("    ") +
                    QString::fromLatin1(size.name.data(), qsizetype(size.name.size()))
                        .leftJustified(6) +
                    texts.outerDiameter.rightJustified(7) + QStringLiteral(" x ") +
                    FncWithUnit(texts.wall, Quantity::Length, format.units) + QLatin1Char('\n');
        }
    }
    return text.toStdString();
}

}  // namespace

std::string ListingText(const StartupValues& startup) {
    std::string text;
    for (const InputDescriptor& list : Inputs()) {
        if (list.kind != InputKind::List) continue;
        const QStringList names = list.entryNames(startup.language);
        const InputDescriptor* velocity = VelocityOf(list);
        std::vector<Row> rows;
        for (int position = 0; position < names.size(); ++position) {
            Row row{names[position], {}};
            if (list.id == InputId::SensorType) {
                const SensorSpec& sensor = SensorTable(position);
                row.details = QStringLiteral("%1  %2°  %3")
                                  .arg(VelocityText(sensor.WedgeSV, startup.format.units))
                                  .arg(sensor.WedgeAngle)
                                  .arg(FncSensorWords(sensor, QLocale::c()).frequency);
            } else if (velocity != nullptr) {
                // The entry for a typed velocity, or one with none ("NO LINING").
                const double value = velocity->lock->unlockedAt(position)
                                         ? 0.0
                                         : velocity->lock->lockedValue(position);
                row.details =
                    value != 0.0 ? VelocityText(value, startup.format.units) : QStringLiteral("-");
            }
            rows.push_back(row);
        }
        if (!text.empty()) text += '\n';
        text += Section(list, rows, startup);
    }
    return text + '\n' + PipeSizeSection(startup);
}
