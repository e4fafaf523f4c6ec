#pragma once
// The one-off pictures: logo, splash, password picture, banners, drop hint,
// start-page decorations and the navigation buttons of btn/.
#include <QImage>
#include <QString>
#include <functional>

namespace art {

// Receives each picture: a contact-sheet group, the path relative to the
// resources folder, the picture.
using Put = std::function<void(const QString& group, const QString& rel, const QImage& img)>;

void writeScenes(const Put& put);

}  // namespace art
