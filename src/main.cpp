#include "cli/CommandLine.h"
#include "cli/HeadlessRun.h"
#if VQ_WITH_WINDOW
#include "core/files/PathNames.h"
#include "core/files/ProgramFiles.h"
#include "ui/app/WindowModule.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>
#endif

namespace {

#if VQ_WITH_WINDOW
// The window module: beside the executable in the build tree, else where the install put it.
std::string WindowModulePath() {
    const std::string folder = vq::ExecutableFolder();
    if (folder.empty())
        return {};
    for (const char* relative : {VQ_WINDOW_MODULE_NAME, VQ_WINDOW_MODULE_INSTALLED}) {
        const std::string path = vq::Join(folder, relative);
        if (::access(path.c_str(), R_OK) == 0)
            return path;
    }
    return {};
}

// Runs the window on the program's name and the files to open.
int RunWindowModule(char* program, std::vector<std::string> files, vq::Language language) {
    const std::string path = WindowModulePath();
    void* module = path.empty() ? nullptr : ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    auto entry = module ? reinterpret_cast<vq::WindowEntry>(::dlsym(module, vq::kWindowEntry)) : nullptr;
    if (!entry) {
        std::fprintf(stderr, "varnoquil: the window cannot be started: %s\n",
                     module ? ::dlerror() : (path.empty() ? VQ_WINDOW_MODULE_NAME " not found" : ::dlerror()));
        return vq::cli::kExitFailed;
    }
    std::vector<char*> argv{program};
    for (std::string& file : files)
        argv.push_back(file.data());
    argv.push_back(nullptr);
    return entry(static_cast<int>(argv.size()) - 1, argv.data(), vq::LanguageCode(language));
}
#endif

}  // namespace

int main(int argc, char* argv[]) {
    // The command line for scripts, and the checks before the window, run without loading anything
    // of Qt: no display is needed, a script pays only for the core, and an option never reaches Qt.
    const std::vector<std::string_view> args = vq::cli::Arguments(argc, argv);
    // Chosen before anything speaks, also the reason the window cannot start.
    const vq::Language language = vq::cli::ChooseRunLanguage(args);
    if (vq::cli::IsHeadless(args))
        return vq::cli::RunHeadless(args);
#if VQ_WITH_WINDOW
    if (const int status = vq::cli::CheckWindowCanStart(true))
        return status;
    return RunWindowModule(argv[0], vq::cli::WindowArguments(args), language);
#else
    (void)language;
    return vq::cli::CheckWindowCanStart(false);
#endif
}
