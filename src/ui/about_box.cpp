#include <QLabel>
#include <QPushButton>

#include "minor/about_box.h"
#include "ui/minor_windows.h"
#include "ui/model_dialog.h"
#include "ui/qt_text.h"

namespace memvalo {

namespace {

class AboutBox : public ModelDialog {
  public:
    AboutBox(App& app, QWidget* parent) : ModelDialog("frminfo", parent), app_(app) {
        mirror(model_.controls());
        frminfo_Load(app_, model_);
        add("lblversion");
        add("txtinfo", nullptr, true);
        link(model_.lblcopy);
        link(model_.lblhomepage);
        auto* done = static_cast<QPushButton*>(add("cmdinfoend"));
        done->setDefault(true);
        connect(done, &QPushButton::clicked, this,
                [this] { forward([this] { cmdinfoend_Click(model_); }); });
        sync();
    }

  private:
    // A label that reads as a link, reached by Tab and followed by Return as by a click.
    void link(const Control& c) {
        auto* label = new QLabel(this);
        label->setText(QStringLiteral("<a href=\"home\">%1</a>").arg(toQt(c.caption).toHtmlEscaped()));
        label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
        label->setGeometry(c.geometry.left / 15, c.geometry.top / 15, c.geometry.width / 15,
                           c.geometry.height / 15);
        connect(label, &QLabel::linkActivated, this,
                [this] { forward([this] { lblhomepage_Click(app_); }); });
    }

    App& app_;
    FrmInfoModel model_;
};

}  // namespace

void showAboutBox(App& app, QWidget* parent) {
    AboutBox box(app, parent);
    box.exec();
}

}  // namespace memvalo
