#pragma once
// Budget frequencies: the nine codes an item's budgetFrequency may hold and their
// names, as the budget grid offers them. Any other value means no frequency.
#include <QString>

namespace pk {

struct TFrequency {
  QString name;
  int reserved = 0;  // always 0, never read
};

constexpr int kFirstFrequency = 1;
constexpr int kLastFrequency = 9;

enum FrequencyCodes {
  kDaily = 1,
  kWeekly = 2,
  kFortnightly = 3,
  kThreeWeekly = 4,
  kMonthly = 5,
  kTwoMonthly = 6,
  kQuarterly = 7,
  kHalfYearly = 8,
  kAnnuallyOneOff = 9,
};

// The frequency of a code 1..9; callers check the code first.
const TFrequency& Frequency(int code);

// The name of a code: "Daily" .. "Annually - One off"; "" for a code <= 0 or > 9.
QString FrequencyName(int code);

// The code 1..9 whose name equals the text exactly (letter case counts); -1 when none.
int FrequencyCode(const QString& name);

// True for a code 1..9; 0, -1 and any other value mean no frequency.
inline bool IsFrequency(int code) { return code >= kFirstFrequency && code <= kLastFrequency; }

}  // namespace pk
