#pragma once
// Dates are stored as day numbers: whole days since 30 December 1899, with the
// time of day as the fraction. This module is the one place that converts them.
#include <QDate>
#include <QDateTime>
#include <QString>

namespace pk {

using DayNumber = double;

// The time of day the transaction editors and the account dialog keep on every
// date they save (20:16:00.308).
constexpr double kPickerTimeOfDay = 0.84444800926;
constexpr DayNumber kPickerStart = 40010.84444800926;  // 16 July 2009 20:16:00.308

DayNumber dayNumber(const QDate& date);              // midnight of that day
DayNumber dayNumber(const QDateTime& dateTime);      // with the time of day
QDate dateOf(DayNumber day);                         // the calendar day (time dropped)
QDateTime dateTimeOf(DayNumber day);
DayNumber wholeDay(DayNumber day);                   // midnight of the same day
double timeOfDay(DayNumber day);                     // the fraction, 0 <= f < 1
DayNumber withDate(DayNumber keepTime, const QDate& date);  // the date replaced, time kept

// "mm/dd/yyyy" whatever the locale, as SQL text and imports write dates.
QString usDate(DayNumber day);

}  // namespace pk
