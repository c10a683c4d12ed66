#pragma once
// The whole run of the window program, from its command line to the end of its event loop.
#include <functional>

class QApplication;
class QTranslator;

namespace memvalo {

// `prepare` runs once the Qt application exists, before anything of Memvalo is built.
int runProgram(int argc, char** argv, const std::function<void(QApplication&)>& prepare = {});

// Qt's own dialogs (files, fonts, colours) speak the program's German, dates included;
// `qtTexts` holds Qt's translation for as long as the application runs.
void speakGerman(QTranslator& qtTexts);

}  // namespace memvalo
