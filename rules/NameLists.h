#pragma once
// The entries of the drop-down lists in a language, in list order: an entry's
// position is the row of its table. Beside them the words shown of a sensor.

#include <QLocale>
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

// "V": the method's letter, the same in every language; empty for None.
QString FncMethodLetter(MountMethod method);

// The word shown for a sensor's series or size class: Japanese in both
// languages.
QString SensorSeriesLabel(SensorSeries series);

// What describes a sensor to a reader, each in its own words: its model
// designation, its series word and its frequency ("1 MHz", written in
// `locale`).
struct SensorWords {
    QString name;
    QString series;
    QString frequency;
};
SensorWords FncSensorWords(const SensorSpec& sensor, const QLocale& locale);

// "TB_01/TC_01 (小型, 1 MHz)": the sensor in one line.
QString FncSensorDescription(const SensorSpec& sensor, const QLocale& locale);

// The sensor types mounted on a rail with 3 mm steps, by name, in list order.
QStringList RailSensorNames();
