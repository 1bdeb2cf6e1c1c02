#include "ui/find/FindText.h"

namespace vq {

QString CutToBytes(const QString& text, qsizetype maxBytes, const std::function<qsizetype(QStringView)>& bytesOf) {
    qsizetype bytes = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype width =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
        bytes += bytesOf(QStringView(text).mid(i, width));
        if (bytes > maxBytes)
            break;
        i += width;
    }
    return text.left(i);
}

}  // namespace vq
