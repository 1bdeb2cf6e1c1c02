#pragma once

// The window is a module of its own that the program loads only when the window starts, so the
// command line for scripts starts without Qt. Its one entry, exported as a plain C function:
//     int varnoquil_window_main(int argc, char** argv, const char* language);
// runs the window until it closes and returns the exit status; argv[0] is the program's name and
// the rest are the files to open (the command line's window arguments, never Qt's options);
// language is the run's language as main() chose it, "zh" or "en" (the module has its own copy
// of the core, so the choice is handed over).

namespace vq {

inline constexpr const char* kWindowEntry = "varnoquil_window_main";
using WindowEntry = int (*)(int argc, char** argv, const char* language);

}  // namespace vq
