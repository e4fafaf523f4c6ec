#pragma once
// Money and number texts in the user's regional format.
#include <QLocale>
#include <QString>

namespace pk {

// The value with two decimals and thousands separators, joined with the locale's
// currency symbol where its positive currency format puts it (before or after,
// with or without a blank). A negative value keeps its minus sign on the number.
QString CurrencyFloatFormat(double value, const QLocale& locale = QLocale());

// The number written in the text, read with the locale's decimal separator
// (thousands separators and the currency symbol are allowed); 0 when the text is
// empty or not a number.
double TextToNumber(const QString& text, const QLocale& locale = QLocale());

}  // namespace pk
