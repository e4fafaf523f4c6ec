#pragma once
// The program's artwork, compiled into the resources under :/art/.
#include <QPixmap>
#include <QString>

namespace pk {

// One of the 28 toolbar images (64 by 64), by its index.
QPixmap toolbarImage(int index);
// A picture under :/art/ by its relative name ("logo.png", "tiles/start_setup.png").
// A missing picture gives a plain placeholder of the given size, never a crash.
QPixmap artPixmap(const QString& name, const QSize& fallbackSize = QSize(64, 64));

}  // namespace pk
