#pragma once
// The whole run of the window program, from its command line to the end of its event loop.
#include <functional>

class QApplication;

namespace memvalo {

// `prepare` runs once the Qt application exists, before anything of Memvalo is built.
int runProgram(int argc, char** argv, const std::function<void(QApplication&)>& prepare = {});

}  // namespace memvalo
