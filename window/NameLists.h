#pragma once
// The name lists of the drop-down lists in the run's language. Element 0 is
// the entry count as decimal text, elements 1..n are the entries.

#include <QStringList>

QStringList BuildPipeNameList();
QStringList BuildFluidNameList();
QStringList BuildLiningNameList();
QStringList BuildMountNameList();
QStringList BuildSensorNameList();
