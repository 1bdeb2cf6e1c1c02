#include "app/QtPlatform.h"
#include "app/TfrmMain.h"

#include "app/Application.h"
#include "app/LocalPath.h"

#include "HeadlessRun.h"

int main(int argc, char* argv[]) {
    // The command line for scripts runs before anything of Qt exists: no display is needed.
    if (vq::cli::IsHeadlessCommandLine(argc, argv))
        return vq::cli::RunHeadless(argc, argv);

    vq::Application app(argc, argv);
    vq::QtPlatform platform;
    // Taken from argv, which Qt has left without its own options: a file name's bytes stay
    // whole, also when they are not UTF-8.
    vq::TfrmMain window(platform, vq::ArgumentsOf(argc, argv));
    window.show();
    return app.exec();
}
