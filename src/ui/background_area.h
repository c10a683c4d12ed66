#pragma once
#include <QPainter>
#include <QWidget>

#include "app/app.h"
#include "settings/gradient.h"
#include "ui/gradient_painter.h"

namespace memvalo {

// The window's free area: the controls lie on it, the background of the colour scheme is
// painted on it.
class BackgroundArea : public QWidget {
  public:
    BackgroundArea(const App& app, QWidget* parent) : QWidget(parent), app_(app) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        paintBackground(painter, rect(), verlaufsub(app_), app_.frm1.me.backColor);
    }

  private:
    const App& app_;
};

}  // namespace memvalo
