#include "ui/app/WindowMain.h"

#include "ui/app/Application.h"
#include "ui/app/TfrmMain.h"
#include "ui/toolbox/LocalPath.h"
#include "ui/toolbox/QtPlatform.h"

namespace vq {

int RunWindow(int argc, char** argv) {
    Application app(argc, argv);
    QtPlatform platform;
    // Taken from argv, which Qt has left without its own options: a file name's bytes stay
    // whole, also when they are not UTF-8.
    TfrmMain window(platform, ArgumentsOf(argc, argv));
    window.show();
    return app.exec();
}

}  // namespace vq
