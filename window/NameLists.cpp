#include "window/NameLists.h"

#include <cstdint>
#include <span>

#include "app/settings/ModCommonProc.h"
#include "calc/PropertyTables.h"

namespace {

QStringList NameListOf(std::span<const std::int16_t> textIds) {
    QStringList list{QString::number(textIds.size())};
    for (const std::int16_t id : textIds) list.append(ModCommonProc::FncGetText(id));
    return list;
}

}  // namespace

QStringList BuildPipeNameList() {
    return NameListOf(kPipeNameTextIds);
}

QStringList BuildFluidNameList() {
    return NameListOf(kFluidNameTextIds);
}

QStringList BuildLiningNameList() {
    return NameListOf(kLiningNameTextIds);
}

QStringList BuildMountNameList() {
    return NameListOf(kMountNameTextIds);
}

QStringList BuildSensorNameList() {
    QStringList list{QString::number(kSensorNames.size())};
    for (const char* name : kSensorNames) list.append(QString::fromLatin1(name));
    return list;
}
