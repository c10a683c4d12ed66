// memvalo-bare-window: the yardstick of a start, a bare Qt Widgets main window of Memvalo's
// size that ends once it is first drawn.
#include "quit_when_drawn.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    memvalo::bench::QuitWhenDrawn quit;
    app.installEventFilter(&quit);
    QMainWindow window;
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
