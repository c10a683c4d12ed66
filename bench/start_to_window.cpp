// memvalo-start [SET.ldt]: starts Memvalo exactly as its window program does and ends it once
// the main window is first drawn, so that the start can be timed as a whole process.
#include "quit_when_drawn.h"
#include "ui/program.h"

int main(int argc, char** argv) {
    memvalo::bench::QuitWhenDrawn quit;
    return memvalo::runProgram(argc, argv,
                               [&](QApplication& app) { app.installEventFilter(&quit); });
}
