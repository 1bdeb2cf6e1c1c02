#include "ui/app/WindowMain.h"

#include "core/settings/LanguageChoice.h"
#include "core/settings/SettingsFile.h"
#include "ui/app/Application.h"
#include "ui/app/TfrmMain.h"
#include "ui/toolbox/LocalPath.h"
#include "ui/toolbox/QtPlatform.h"

#include <string_view>
#include <vector>

namespace vq {

int RunWindow(int argc, char** argv) {
    // Taken from argv before Qt takes its own options out: a file name's bytes stay whole, also
    // when they are not UTF-8. The language is chosen first, so that everything speaks it.
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    SetLanguage(ChooseLanguage(args, SettingsFilePath(ProgramSettingsPlace())));
    QStringList arguments;
    for (const std::string_view arg : WithoutLanguageArgument(args))
        arguments << PathText(arg);
    Application app(argc, argv);
    // The window's app id, so that the desktop matches it to org.varnoquil.Varnoquil.desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.varnoquil.Varnoquil"));
    QtPlatform platform;
    TfrmMain window(platform, arguments);
    window.show();
    return app.exec();
}

}  // namespace vq
