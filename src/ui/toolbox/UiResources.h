#pragma once

namespace vq {

// Registers the UI library's resources (icons, sounds). The library is static, so this is done by
// hand; calling it more than once is harmless.
void InitUiResources();

}  // namespace vq
