#include "ui/toolbox/FreedMemory.h"

#include <QTimer>

#include <malloc.h>

namespace vq {

void GiveFreedMemoryBackSoon(QObject* context) {
    QTimer::singleShot(0, context, [] { ::malloc_trim(0); });
}

}  // namespace vq
