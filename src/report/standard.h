#pragma once
// The house style shared by every report of the program: colours, the grey
// heading band and the page footer that ends every page.
#include <QColor>
#include <QString>

#include "report/report.h"

namespace pk::report {

inline const QColor kGreen{32, 91, 71};
inline const QColor kLineGreen{166, 190, 78};
inline const QColor kHeadingGrey{0xD8, 0xD8, 0xD8};
inline const QColor kBarGrey{0xF0, 0xF0, 0xF0};

// The publisher's web address printed in every page footer.
QString WebAddress();

// "[Page#] of [TotalPages#] :: <date> :: <web address> :: Pursekeep".
QString PageFooterText(const QString& date);
// A footer band across the width: a thin rule and the footer text.
Band PageFooterBand(double width, const QString& date);

// A report title: the grey heading bar (Arial 16 bold, centred) and, when given,
// a line under it (Arial 13, centred).
Band HeadingBand(double width, const QString& heading, const QString& line = {});

}  // namespace pk::report
