#pragma once
// Transaction amounts are stored as whole ten-thousandths so that sums are exact.
#include <QtGlobal>
#include <cmath>

namespace pk {

inline qint64 toTenThousandths(double amount) { return qint64(std::llround(amount * 10000.0)); }
inline double fromTenThousandths(qint64 stored) { return double(stored) / 10000.0; }

}  // namespace pk
