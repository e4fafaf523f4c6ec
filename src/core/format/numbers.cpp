#include "core/format/numbers.h"

#include <cmath>

namespace pk {

namespace {
// Where the locale's positive currency format puts the symbol.
struct SymbolPlace {
  bool before = true;
  bool space = false;
};

SymbolPlace symbolPlace(const QLocale& locale, const QString& symbol) {
  SymbolPlace place;
  const QString sample = locale.toCurrencyString(1.0, symbol, 0);
  const qsizetype at = sample.indexOf(symbol);
  const qsizetype digit = sample.indexOf(locale.toString(1));
  if (at < 0 || digit < 0) return place;
  place.before = at < digit;
  const qsizetype gapFrom = place.before ? at + symbol.size() : digit + 1;
  const qsizetype gapTo = place.before ? digit : at;
  for (qsizetype i = gapFrom; i < gapTo; ++i) {
    if (sample.at(i).isSpace()) place.space = true;
  }
  return place;
}
}  // namespace

QString CurrencyFloatFormat(double value, const QLocale& locale) {
  QLocale grouped = locale;
  grouped.setNumberOptions(QLocale::DefaultNumberOptions);  // thousands separators on
  const QString number = grouped.toString(value, 'f', 2);
  const QString symbol = locale.currencySymbol(QLocale::CurrencySymbol);
  if (symbol.isEmpty()) return number;
  const SymbolPlace place = symbolPlace(locale, symbol);
  const QString gap = place.space ? QStringLiteral(" ") : QString();
  return place.before ? symbol + gap + number : number + gap + symbol;
}

double TextToNumber(const QString& text, const QLocale& locale) {
  QString t = text.trimmed();
  if (t.isEmpty()) return 0;
  bool ok = false;
  double value = locale.toDouble(t, &ok);
  if (!ok) {
    // A number shown in the currency format reads back as that number.
    const QString symbol = locale.currencySymbol(QLocale::CurrencySymbol);
    if (!symbol.isEmpty() && t.contains(symbol)) {
      t.remove(symbol);
      t = t.trimmed();
      value = locale.toDouble(t, &ok);
    }
  }
  if (!ok || !std::isfinite(value)) return 0;
  return value;
}

}  // namespace pk
