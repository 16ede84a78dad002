#pragma once

#include <QPixmap>
#include <QSize>
#include <string_view>

namespace quarvel::qt {

// Draws one of the program's pictures ("banner", "icon"), kept as SVG, at the given size in
// device-independent pixels. An unknown name is a Failure.
QPixmap renderArtwork(std::string_view name, QSize size, qreal devicePixelRatio);

}  // namespace quarvel::qt
