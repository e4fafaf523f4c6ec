#include "core/budget/frequency.h"

#include <array>

namespace pk {

namespace {
const std::array<TFrequency, 9>& frequencies() {
  static const std::array<TFrequency, 9> table = {{
      {QStringLiteral("Daily"), 0},
      {QStringLiteral("Weekly"), 0},
      {QStringLiteral("Fortnightly"), 0},
      {QStringLiteral("3 Weekly"), 0},
      {QStringLiteral("Monthly"), 0},
      {QStringLiteral("2 Monthly"), 0},
      {QStringLiteral("Quarterly"), 0},
      {QStringLiteral("Half Yearly"), 0},
      {QStringLiteral("Annually - One off"), 0},
  }};
  return table;
}
}  // namespace

const TFrequency& Frequency(int code) {
  Q_ASSERT(IsFrequency(code));
  return frequencies()[std::size_t(code - kFirstFrequency)];
}

QString FrequencyName(int code) {
  return IsFrequency(code) ? Frequency(code).name : QString();
}

int FrequencyCode(const QString& name) {
  for (int code = kFirstFrequency; code <= kLastFrequency; ++code) {
    if (Frequency(code).name == name) return code;
  }
  return -1;
}

}  // namespace pk
