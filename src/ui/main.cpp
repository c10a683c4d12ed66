// memvalo: the flash-card trainer's window.
#include "ui/program.h"

int main(int argc, char** argv) {
    return memvalo::runProgram(argc, argv);
}
