#pragma once
// The entries of the drop-down lists in a language, in list order: an entry's
// position is the row of its table. Beside them the words shown of a sensor.

#include <QString>
#include <QStringList>

#include "calc/SensorTable.h"
#include "calc/SpacingCalculation.h"
#include "text/TextTable.h"

QStringList PipeNameList(Language language);
QStringList FluidNameList(Language language);
QStringList LiningNameList(Language language);
QStringList MountNameList(Language language);
// Model designations, the same in every language.
QStringList SensorNameList(Language language);

// The method an entry of the mounting list stands for; None for a position
// that is no entry (-1: nothing chosen).
MountMethod MountMethodAt(int position);

// How many entries the mounting list has.
int MountEntryCount();

// The word shown for a sensor's series or size class: Japanese in both
// languages.
QString SensorSeriesLabel(SensorSeries series);

// The sensor types mounted on a rail with 3 mm steps, by name, in list order.
QStringList RailSensorNames();
