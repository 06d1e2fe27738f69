// Running the program: the application object, its name and icon, the font
// check, the start-up of every screen and the event loop.
#pragma once

#include <functional>

// Runs the program until it ends and returns its exit code. `whenShown`,
// when given, is called once the main window is first on screen (the
// start-up benchmark uses it).
int runSorvelin(int argc, char* argv[], const std::function<void()>& whenShown = {});
