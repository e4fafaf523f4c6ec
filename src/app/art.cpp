#include "app/art.h"

#include <QPainter>

namespace pk {

QPixmap artPixmap(const QString& name, const QSize& fallbackSize) {
  QPixmap pm(QStringLiteral(":/art/") + name);
  if (!pm.isNull()) return pm;
  QPixmap placeholder(fallbackSize);
  placeholder.fill(QColor(32, 91, 71));
  return placeholder;
}

QPixmap toolbarImage(int index) {
  return artPixmap(QStringLiteral("toolbar/tb%1.png").arg(index, 2, 10, QLatin1Char('0')), QSize(64, 64));
}

}  // namespace pk
