#pragma once
// The platform's style, with one icon drawn instead of read: Qt's chevron for a menu bar too
// narrow for its menus is a picture file, and reading the first picture file makes Qt load
// every picture plugin, which at start costs more than building the whole window.
#include <QProxyStyle>

namespace memvalo {

class ProgramStyle : public QProxyStyle {
  public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override;
};

}  // namespace memvalo
