#include "ui/toolbox/UiResources.h"

#include <QtGlobal>

static void InitResources() { Q_INIT_RESOURCE(resources); }

namespace vq {

void InitUiResources() {
    static const bool done = (::InitResources(), true);
    Q_UNUSED(done);
}

}  // namespace vq
