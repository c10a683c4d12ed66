// memvalo-full-set BASE: writes the full set of the benchmarks as BASE.ldt and its five side
// files, for timing the programs on it as a whole.
#include <iostream>

#include "full_set.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "Aufruf: memvalo-full-set ZIEL (ohne .ldt)\n";
        return 2;
    }
    return memvalo::bench::writeFullSet(argv[1]) ? 0 : 1;
}
