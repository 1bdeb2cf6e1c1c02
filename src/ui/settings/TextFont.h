#pragma once

#include "core/settings/FontText.h"

#include <QColor>
#include <QFont>

#include <optional>

namespace vq {

// The target text's font as the settings file names it: the face when the system has it, else
// the CJK faces the window uses; the size in points; the style bits.
QFont TextFont(const FontSetting& setting);

// A font chosen in the font dialog as a setting. The dialog chooses no colour and no character
// set, so those stay as `current` has them.
FontSetting TextFontSetting(const QFont& font, const FontSetting& current);

// The colour a Windows colour value 0x00BBGGRR stands for; nothing for a system colour (a
// negative value), which leaves the view's own colour.
std::optional<QColor> WindowsColour(int value);

}  // namespace vq
