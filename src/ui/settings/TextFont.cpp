#include "ui/settings/TextFont.h"

#include "ui/toolbox/SongTiFont.h"

#include <QFontInfo>

namespace vq {

QFont TextFont(const FontSetting& setting) {
    QFont font = SongTiFont(12);
    // Qt takes the first family of the list that the system has, so a face the system lacks
    // falls back to the CJK faces, and family() still names the face the file asked for.
    QStringList families = font.families();
    const QString name = QString::fromStdString(setting.name);
    families.removeAll(name);
    families.prepend(name);
    font.setFamilies(families);
    font.setPointSize(setting.size);
    font.setBold(setting.style & kFontBold);
    font.setItalic(setting.style & kFontItalic);
    font.setUnderline(setting.style & kFontUnderline);
    font.setStrikeOut(setting.style & kFontStrikeOut);
    return font;
}

FontSetting TextFontSetting(const QFont& font, const FontSetting& current) {
    FontSetting out = current;
    out.name = font.family().toStdString();
    const int points = font.pointSize() > 0 ? font.pointSize() : QFontInfo(font).pointSize();
    if (points >= kMinFontSize && points <= kMaxFontSize)
        out.size = points;
    out.style = (font.bold() ? kFontBold : 0) | (font.italic() ? kFontItalic : 0) |
                (font.underline() ? kFontUnderline : 0) | (font.strikeOut() ? kFontStrikeOut : 0);
    return out;
}

std::optional<QColor> WindowsColour(int value) {
    if (value < 0)
        return std::nullopt;
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

}  // namespace vq
