#pragma once
// What the setup still lacks, as the start page's reminder says it.
#include <QString>

namespace pk {

class Db;

// The fixed text of the reminder.
QString SetupReminderText();
// The particular reason the setup is incomplete, or "" when nothing is missing.
// A missing account, income item or outgoing item gives one text; an item outside
// the system categories without a frequency, start date or amount gives another,
// which wins.
QString SetupReminderReason(Db& db);

}  // namespace pk
