#include "cli/HeadlessRun.h"
#if VQ_WITH_WINDOW
#include "ui/app/WindowMain.h"
#endif

#include <cstdio>

int main(int argc, char* argv[]) {
    // The command line for scripts runs before anything of Qt exists: no display is needed.
    if (vq::cli::IsHeadlessCommandLine(argc, argv))
        return vq::cli::RunHeadless(argc, argv);
#if VQ_WITH_WINDOW
    return vq::RunWindow(argc, argv);
#else
    std::fputs("varnoquil: this build has no window; see \"varnoquil --help\" for the command line.\n", stderr);
    return vq::cli::kExitUsage;
#endif
}
