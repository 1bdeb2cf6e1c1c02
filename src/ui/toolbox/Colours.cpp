#include "ui/toolbox/Colours.h"

#include <QWidget>

namespace vq {

void SetColours(QWidget* widget, QPalette::ColorRole backgroundRole, QPalette::ColorRole textRole,
                const ColourPair& colours) {
    QPalette palette = widget->palette();
    palette.setColor(backgroundRole, colours.background);
    palette.setColor(textRole, colours.text);
    palette.setColor(QPalette::Disabled, textRole, kDimText);
    widget->setPalette(palette);
}

}  // namespace vq
