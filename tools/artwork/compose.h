#pragma once
// The three families of pictures built around a glyph: round toolbar
// buttons, large tiles and the icons of accounts and items.
#include "canvas.h"

namespace art {

// A round button: a green glyph on a light circle, or (hover) a white glyph
// on the green circle.
// `glyphShare` is the glyph's size as a share of the button's.
QImage roundButton(const Glyph& g, bool hover, int size = 64, double glyphShare = 35.0 / 64);
// A 192 by 192 tile: a coloured card with a large white glyph; the hover
// picture is lighter, lifted and ringed with the line green.
QImage tile(const Glyph& g, const QColor& colour, bool hover);
// A list icon: a white glyph on a coloured rounded square.
QImage listIcon(const Glyph& g, const QColor& colour, int size = 96);

}  // namespace art
