#include "cli/HeadlessRun.h"
#if VQ_WITH_WINDOW
#include "ui/app/WindowModule.h"

#include <dlfcn.h>
#include <limits.h>
#include <unistd.h>

#include <string>
#endif

#include <cstdio>

namespace {

#if VQ_WITH_WINDOW
// The window module: beside the executable in the build tree, else where the install put it.
std::string WindowModulePath() {
    char self[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0)
        return {};
    std::string folder(self, static_cast<size_t>(n));
    folder.erase(folder.rfind('/') + 1);
    for (const char* relative : {VQ_WINDOW_MODULE_NAME, VQ_WINDOW_MODULE_INSTALLED}) {
        const std::string path = folder + relative;
        if (::access(path.c_str(), R_OK) == 0)
            return path;
    }
    return {};
}

int RunWindowModule(int argc, char** argv) {
    const std::string path = WindowModulePath();
    void* module = path.empty() ? nullptr : ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    auto entry = module ? reinterpret_cast<vq::WindowEntry>(::dlsym(module, vq::kWindowEntry)) : nullptr;
    if (!entry) {
        std::fprintf(stderr, "varnoquil: the window cannot be started: %s\n",
                     module ? ::dlerror() : (path.empty() ? VQ_WINDOW_MODULE_NAME " not found" : ::dlerror()));
        return vq::cli::kExitFailed;
    }
    return entry(argc, argv);
}
#endif

}  // namespace

int main(int argc, char* argv[]) {
    // The command line for scripts runs without loading anything of Qt: no display is needed, and
    // a script pays only for the core.
    if (vq::cli::IsHeadlessCommandLine(argc, argv))
        return vq::cli::RunHeadless(argc, argv);
#if VQ_WITH_WINDOW
    return RunWindowModule(argc, argv);
#else
    std::fputs("varnoquil: this build has no window; see \"varnoquil --help\" for the command line.\n", stderr);
    return vq::cli::kExitUsage;
#endif
}
