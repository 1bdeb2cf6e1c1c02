#pragma once

#include <QFont>
#include <QStringList>

namespace vq {

// The window's and the target text's font: SimSun where present, else a CJK serif face.
QFont SongTiFont(int pixelSize);

}  // namespace vq
