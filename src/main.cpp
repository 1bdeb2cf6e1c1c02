#include "app/QtPlatform.h"
#include "app/TfrmMain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vq::QtPlatform platform;
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    vq::TfrmMain window(platform, arguments);
    window.show();
    return app.exec();
}
