#include "ui/app/WindowModule.h"
#include "ui/app/WindowMain.h"

#include "core/Language.h"

#include <string>
#include <vector>

extern "C" __attribute__((visibility("default"))) int varnoquil_window_main(int argc, char** argv,
                                                                            const char* language) {
    vq::SetLanguage(vq::LanguageFromCode(language ? language : "").value_or(vq::Language::Chinese));
    return vq::RunWindow(argv[0], std::vector<std::string>(argv + 1, argv + argc));
}
