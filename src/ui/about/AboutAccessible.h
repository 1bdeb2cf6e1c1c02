#pragma once

namespace vq {

// Makes Qt's accessibility read the About box as a dialog and its playfield as one graphic with a
// description of the game; safe to call more than once.
void InstallAboutBoxAccessibility();

}  // namespace vq
