#pragma once

namespace vq {

// Qt's own texts (standard buttons, file dialogs, their questions) in the window's language,
// Chinese, from the translations the system's Qt brings. Once per application; a system without
// them keeps Qt's English.
void InstallQtTranslations();

}  // namespace vq
