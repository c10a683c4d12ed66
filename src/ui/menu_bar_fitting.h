#pragma once
// Every menu of a menu bar stays on the bar, none is pushed into the overflow button: at a
// narrow window the bar's font gets smaller until all of them fit.
#include <QFont>

class QMenuBar;

namespace memvalo {

class MenuBarFitting {
  public:
    explicit MenuBarFitting(QMenuBar* bar) : bar_(bar) {}

    // Gives the bar the largest font, up to its designed one, in which its visible menus fit
    // into `width` pixels.
    void fit(int width) const;

  private:
    // The width the bar needs to show all its visible menus in that font, measured as the
    // bar lays them out.
    int neededWidth(const QFont& font) const;

    QMenuBar* bar_;
};

}  // namespace memvalo
