#pragma once

namespace vq {

// Qt's own texts (standard buttons, file dialogs, their questions) in the window's language: in
// Chinese from the translations the system's Qt brings (a system without them keeps Qt's English),
// in English as Qt has them. Once per application.
void InstallQtTranslations();

}  // namespace vq
