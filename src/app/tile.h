#pragma once
// The large picture tiles of the start page and the hubs, with their captions.
#include <QLabel>
#include <QString>

#include "app/imagebutton.h"

namespace pk {

constexpr int kTileSize = 192;

// A tile showing "tiles/<set>_<picture>.png", and picture + 1 under the mouse.
ImageButton* makeTile(QWidget* parent, const QString& set, int picture);
// The bold green caption under a tile, centred.
QLabel* makeTileCaption(QWidget* parent, const QString& text);

}  // namespace pk
