#pragma once
// Reads the text of a PDF file back with pdftotext (poppler-utils), page by page.
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace pk::test {

inline bool havePdfToText() { return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(); }

// The text of the pages (form feeds split them); empty when the tool fails.
inline QStringList pdfPages(const QString& file) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
  if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
  QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
  if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
  return pages;
}

// The same text with runs of blanks made single, so that columns read as words.
inline QString squeezed(const QString& text) { return text.simplified(); }

}  // namespace pk::test
