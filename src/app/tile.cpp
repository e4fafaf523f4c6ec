#include "app/tile.h"

#include "app/art.h"

namespace pk {

ImageButton* makeTile(QWidget* parent, const QString& set, int picture) {
  const QSize size(kTileSize, kTileSize);
  const QString name = QStringLiteral("tiles/%1_%2.png").arg(set);
  auto* tile = new ImageButton(parent);
  tile->setPictures(artPixmap(name.arg(picture), size), artPixmap(name.arg(picture + 1), size));
  tile->setFixedSize(size);
  return tile;
}

QLabel* makeTileCaption(QWidget* parent, const QString& text) {
  auto* label = new QLabel(text, parent);
  QFont f(QStringLiteral("Arial"));
  f.setPixelSize(16);
  f.setBold(true);
  label->setFont(f);
  QPalette pal = label->palette();
  pal.setColor(QPalette::WindowText, QColor(32, 91, 71));
  label->setPalette(pal);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  return label;
}

}  // namespace pk
