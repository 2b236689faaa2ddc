#include "rules/NameLists.h"

#include <span>

#include "calc/PropertyTables.h"
#include "text/TextTable.h"

namespace {

QStringList NamesOf(std::span<const std::int16_t> textIds, std::int16_t langOffset) {
    QStringList names;
    names.reserve(qsizetype(textIds.size()));
    for (const std::int16_t id : textIds) names.append(FncGetText(id, langOffset));
    return names;
}

}  // namespace

QStringList PipeNameList(std::int16_t langOffset) {
    return NamesOf(kPipeNameTextIds, langOffset);
}

QStringList FluidNameList(std::int16_t langOffset) {
    return NamesOf(kFluidNameTextIds, langOffset);
}

QStringList LiningNameList(std::int16_t langOffset) {
    return NamesOf(kLiningNameTextIds, langOffset);
}

QStringList MountNameList(std::int16_t langOffset) {
    return NamesOf(kMountNameTextIds, langOffset);
}

QStringList SensorNameList(std::int16_t) {
    QStringList names;
    for (const char* name : kSensorNames) names.append(QString::fromLatin1(name));
    return names;
}
