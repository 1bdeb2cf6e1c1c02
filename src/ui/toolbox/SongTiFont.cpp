#include "ui/toolbox/SongTiFont.h"

namespace vq {

QFont SongTiFont(int pixelSize) {
    QFont font;
    font.setFamilies({"SimSun", "Noto Serif CJK SC", "Noto Serif CJK", "AR PL UMing CN", "Noto Sans CJK SC",
                      "WenQuanYi Zen Hei", "serif"});
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace vq
