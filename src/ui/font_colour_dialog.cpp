#include "ui/font_colour_dialog.h"

#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/accessible_names.h"
#include "ui/qt_text.h"

namespace memvalo {

namespace {

void showColour(QPushButton* button, const QColor& colour) {
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, colour);
    button->setPalette(palette);
}

// Escape and Return inside the embedded chooser answer for the whole window: on their own
// they would close the chooser alone, or do nothing.
class WholeWindowKeys : public QObject {
  public:
    WholeWindowKeys(QWidget* chooser, QDialog& window) : QObject(chooser), window_(window) {
        chooser->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            window_.reject();
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            window_.accept();
            return true;
        }
        return false;
    }

  private:
    QDialog& window_;
};

}  // namespace

std::optional<FontChoice> chooseFontAndColour(QWidget* parent,
                                              const std::optional<FontChoice>& preset) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("fontColourDialog"));
    dialog.setWindowTitle(QStringLiteral("Schriftart"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* fonts = new QFontDialog(&dialog);
    fonts->setWindowFlags(Qt::Widget);
    fonts->setOption(QFontDialog::NoButtons);
    new WholeWindowKeys(fonts, dialog);
    QColor colour = Qt::black;
    if (preset) {
        QFont font(toQt(preset->name));
        if (preset->size > 0) font.setPointSizeF(preset->size);
        font.setBold(preset->bold);
        font.setItalic(preset->italic);
        font.setUnderline(preset->underline);
        fonts->setCurrentFont(font);
        colour = toQColor(preset->color);
    }
    layout->addWidget(fonts);
    nameByLabels(fonts);
    auto* colourButton = new QPushButton(QStringLiteral("Schrift&farbe..."), &dialog);
    showColour(colourButton, colour);
    QObject::connect(colourButton, &QPushButton::clicked, &dialog, [&] {
        const QColor chosen =
            QColorDialog::getColor(colour, &dialog, QStringLiteral("Schriftfarbe"));
        if (!chosen.isValid()) return;
        colour = chosen;
        showColour(colourButton, colour);
    });
    layout->addWidget(colourButton);
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QFont font = fonts->currentFont();
    return FontChoice{fromQt(font.family()), font.pointSizeF(), font.bold(),
                      font.italic(),         font.underline(),  fromQColor(colour)};
}

}  // namespace memvalo
