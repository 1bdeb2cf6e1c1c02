#include "ui/app/WindowModule.h"
#include "ui/app/WindowMain.h"

extern "C" __attribute__((visibility("default"))) int varnoquil_window_main(int argc, char** argv) {
    return vq::RunWindow(argc, argv);
}
