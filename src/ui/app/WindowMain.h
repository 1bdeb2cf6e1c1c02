#pragma once

namespace vq {

// Starts the window on main()'s arguments and runs it until it closes; returns the exit status.
int RunWindow(int argc, char** argv);

}  // namespace vq
