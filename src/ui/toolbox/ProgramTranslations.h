#pragma once

namespace vq {

// The window's translator for the run's language (see CurrentLanguage): in English, the program's
// own texts from varnoquil_en.qm, made by lrelease from the translation file that the core's
// English comes from too. Once per application.
void InstallProgramTranslations();

}  // namespace vq
