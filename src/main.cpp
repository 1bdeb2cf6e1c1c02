#include "app/QtPlatform.h"
#include "app/TfrmMain.h"

#include "app/Application.h"

#include "HeadlessRun.h"

int main(int argc, char* argv[]) {
    // The command line for scripts runs before anything of Qt exists: no display is needed.
    if (vq::cli::IsHeadlessCommandLine(argc, argv))
        return vq::cli::RunHeadless(argc, argv);

    vq::Application app(argc, argv);
    vq::QtPlatform platform;
    QStringList arguments = vq::Application::arguments();
    arguments.removeFirst();
    vq::TfrmMain window(platform, arguments);
    window.show();
    return app.exec();
}
