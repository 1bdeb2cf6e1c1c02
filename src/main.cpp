#include "app/QtPlatform.h"
#include "app/TfrmMain.h"

#include "app/Application.h"

int main(int argc, char* argv[]) {
    vq::Application app(argc, argv);
    vq::QtPlatform platform;
    QStringList arguments = vq::Application::arguments();
    arguments.removeFirst();
    vq::TfrmMain window(platform, arguments);
    window.show();
    return app.exec();
}
