#pragma once

#include <QString>
#include <QStringView>

#include <functional>

namespace vq {

// The longest find text the find box holds, in bytes of the document's encoding.
inline constexpr qsizetype kMaxFindTextBytes = 255;

// The longest start of `text` whose characters take at most `maxBytes` bytes, each character
// (one code point, a surrogate pair kept whole) weighing what `bytesOf` says.
QString CutToBytes(const QString& text, qsizetype maxBytes, const std::function<qsizetype(QStringView)>& bytesOf);

}  // namespace vq
