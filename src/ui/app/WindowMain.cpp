#include "ui/app/WindowMain.h"

#include "ui/app/Application.h"
#include "ui/app/TfrmMain.h"
#include "ui/toolbox/LocalPath.h"
#include "ui/toolbox/QtPlatform.h"

namespace vq {

int RunWindow(char* program, const std::vector<std::string>& files) {
    // Qt is given the program's name only: every parameter is the program's own, and one that
    // looks like one of Qt's options (a file after "--" named "-style") stays a file.
    int argc = 1;
    char* argv[] = {program, nullptr};
    Application app(argc, argv);
    // The window's app id, so that the desktop matches it to org.varnoquil.Varnoquil.desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.varnoquil.Varnoquil"));
    QtPlatform platform;
    // A file name's bytes stay whole, also when they are not UTF-8.
    TfrmMain window(platform, ArgumentsOf(files));
    window.show();
    return app.exec();
}

}  // namespace vq
