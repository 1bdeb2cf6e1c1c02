#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

namespace vq {

// A background and the text drawn on it. The program sets them together, always: a text colour
// left to the desktop's colour scheme on a background of ours (or the other way round) is
// unreadable under some scheme, white on silver or black on dark grey.
struct ColourPair {
    QColor background;
    QColor text;
};

inline const QColor kSilver(192, 192, 192);
// Text that says less than the rest (a date, an author), and the text of a disabled control on a
// background of ours: toned down, still readable on white and on silver.
inline const QColor kDimText(72, 72, 72);

// Gives the widget (and the children that take its palette) the pair in every state; a disabled
// widget shows its text in kDimText.
void SetColours(QWidget* widget, QPalette::ColorRole backgroundRole, QPalette::ColorRole textRole,
                const ColourPair& colours);

}  // namespace vq
