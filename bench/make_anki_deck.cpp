// Writes an Anki package of the older layout with N notes (default 10000) of two fields, for
// timing "memvalo-cli import" against unzipping it and reading its notes with sqlite3.
//   memvalo-anki-deck DECK.apkg [N]
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "support/deck_files.h"

int main(int argc, char** argv) {
    using namespace memvalo::test;
    if (argc < 2) {
        std::cerr << "Aufruf: memvalo-anki-deck DECK.apkg [N]\n";
        return 2;
    }
    const int notes = argc > 2 ? std::atoi(argv[2]) : 10000;
    AnkiContent content;
    content.models = {basicModel()};
    for (int i = 0; i < notes; ++i) {
        const int interval = i % 40;
        content.notes.push_back(
            {0,
             {"Frage <b>" + std::to_string(i) + "</b> mit Übung",
              "Antwort&nbsp;" + std::to_string(i) + "<br>zweite Zeile"},
             {{0, interval == 0 ? 0 : 2, interval == 0 ? 0 : 2, interval, i % 3}},
             0});
    }
    std::ofstream(argv[1], std::ios::binary) << olderAnkiPackage(content);
    return 0;
}
