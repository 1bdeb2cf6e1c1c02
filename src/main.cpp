#include "cli/CommandLine.h"
#include "cli/HeadlessRun.h"
#if VQ_WITH_WINDOW
#include "ui/app/WindowMain.h"
#endif

int main(int argc, char* argv[]) {
    // The command line for scripts, and the checks before the window, run before anything of Qt
    // exists: no display is needed, and an option never reaches Qt.
    const std::vector<std::string_view> args = vq::cli::Arguments(argc, argv);
    if (vq::cli::IsHeadless(args))
        return vq::cli::RunHeadless(args);
#if VQ_WITH_WINDOW
    if (const int status = vq::cli::CheckWindowCanStart(true))
        return status;
    return vq::RunWindow(argv[0], vq::cli::WindowArguments(args));
#else
    return vq::cli::CheckWindowCanStart(false);
#endif
}
