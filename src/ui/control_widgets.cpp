#include "ui/control_widgets.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "ui/accessible_names.h"
#include "ui/caption_button.h"
#include "ui/colour_contrast.h"
#include "ui/fitting_font.h"
#include "ui/limited_text_edit.h"
#include "ui/qt_text.h"
#include "ui/text_progress_bar.h"

namespace memvalo {

namespace {

// The card's picture, fitted into the label's current size.
class PictureBox : public QLabel {
  public:
    using QLabel::QLabel;
    void showPicture(const QString& path) {
        if (path != path_) {
            path_ = path;
            picture_ = path.isEmpty() ? QPixmap() : QPixmap(path);
        }
        if (picture_.isNull()) {
            clear();
        } else {
            setPixmap(picture_.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
        }
    }

  private:
    QString path_;
    QPixmap picture_;
};

QRect pixels(const Geometry& g) {
    return {g.left / kTwipsPerPixel, g.top / kTwipsPerPixel, g.width / kTwipsPerPixel,
            g.height / kTwipsPerPixel};
}

// The text's ink made readable on each of the backgrounds it may stand on, in the enabled
// and the disabled look alike (a field shows its value also while it is locked for editing).
void setReadableInk(QPalette& palette, QPalette::ColorRole fore, QColor ink,
                    const std::vector<QColor>& backgrounds,
                    const std::vector<QColor>& disabledBackgrounds, const QFont& font) {
    const double needed = neededContrast(font);
    palette.setColor(QPalette::Active, fore, readableInk(ink, backgrounds, needed));
    palette.setColor(QPalette::Inactive, fore, readableInk(ink, backgrounds, needed));
    const QColor faded = palette.color(QPalette::Disabled, fore);
    palette.setColor(QPalette::Disabled, fore, readableInk(faded, disabledBackgrounds, needed));
}

void applyColours(const Control& c, QWidget* w, QPalette::ColorRole back,
                  QPalette::ColorRole fore) {
    QPalette palette = QApplication::palette(w);
    if (c.backColor) palette.setColor(back, toQColor(*c.backColor));
    const QColor ink = c.foreColor ? toQColor(*c.foreColor) : palette.color(fore);
    if (c.foreColor) palette.setColor(QPalette::Disabled, fore, ink);
    std::vector<QColor> backs = {palette.color(QPalette::Active, back)};
    if (dynamic_cast<CaptionButton*>(w) != nullptr) backs = CaptionButton::faceShades(backs[0]);
    setReadableInk(palette, fore, ink, backs, {palette.color(QPalette::Disabled, back)}, w->font());
    if (palette != w->palette()) w->setPalette(palette);
}

// The font the program gives the control.
QFont programFont(const Control& c, const QWidget* w) {
    QFont font = QApplication::font(w);
    if (c.font.name.empty() && c.font.size <= 0) return font;
    if (!c.font.name.empty()) font.setFamily(toQt(c.font.name));
    if (c.font.size > 0) font.setPointSizeF(c.font.size);
    font.setBold(c.font.bold);
    font.setItalic(c.font.italic);
    font.setUnderline(c.font.underline);
    return font;
}

void applyFont(const Control& c, QWidget* w) {
    QFont font = programFont(c, w);
    // A caption longer than its label shows whole in a smaller font rather than cut off.
    auto* label = qobject_cast<QLabel*>(w);
    if (label != nullptr && dynamic_cast<PictureBox*>(w) == nullptr) {
        const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;
        font = fittingFont(font, displayText(c.caption), label->contentsRect(),
                           static_cast<int>(label->alignment()) | wrap);
    }
    if (font != w->font()) w->setFont(font);
}

void applyItems(const Control& c, QComboBox* list) {
    QStringList items;
    for (const std::string& item : c.items) items << toQt(item);
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) shown << list->itemText(i);
    if (shown != items) {
        list->clear();
        list->addItems(items);
    }
    list->setCurrentIndex(c.value);
}

void applyKindState(Control& c, QWidget* w, const Backdrop& backdrop) {
    if (auto* edit = qobject_cast<QPlainTextEdit*>(w)) {
        const QString text = displayText(c.caption);
        if (edit->toPlainText() != text) edit->setPlainText(text);
        edit->setReadOnly(c.locked);
        if (auto* limited = dynamic_cast<LimitedTextEdit*>(edit))
            limited->setMaxLength(c.maxLength);
        applyColours(c, w, QPalette::Base, QPalette::Text);
    } else if (auto* line = qobject_cast<QLineEdit*>(w)) {
        const QString text = toQt(c.caption);
        if (line->text() != text) line->setText(text);
        line->setReadOnly(c.locked);
        // Setting the limit puts the text in anew, which would move the cursor to its end.
        const int limit = c.maxLength > 0 ? c.maxLength : 32767;
        if (line->maxLength() != limit) line->setMaxLength(limit);
        applyColours(c, w, QPalette::Base, QPalette::Text);
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
        button->setText(displayText(c.caption));
        applyColours(c, w, QPalette::Button, QPalette::ButtonText);
    } else if (auto* toggle = qobject_cast<QAbstractButton*>(w)) {
        toggle->setText(toQt(c.caption));
        toggle->setChecked(c.checked);
    } else if (auto* frame = qobject_cast<QGroupBox*>(w)) {
        frame->setTitle(toQt(c.caption));
    } else if (auto* bar = dynamic_cast<TextProgressBar*>(w)) {
        bar->setRange(c.min, std::max(c.max, c.min + 1));
        bar->setValue(std::clamp(c.value, c.min, std::max(c.max, c.min + 1)));
        bar->setCaption(displayText(c.caption + c.text2));
        QPalette palette = QApplication::palette(w);
        if (c.backColor) palette.setColor(QPalette::Base, toQColor(*c.backColor));
        if (c.foreColor) palette.setColor(QPalette::Highlight, toQColor(*c.foreColor));
        if (palette != w->palette()) w->setPalette(palette);
    } else if (auto* list = qobject_cast<QComboBox*>(w)) {
        applyItems(c, list);
    } else if (auto* picture = dynamic_cast<PictureBox*>(w)) {
        picture->showPicture(toQt(c.picture));
    } else if (auto* slider = qobject_cast<QAbstractSlider*>(w)) {
        // A bar whose minimum is the larger value runs from right to left.
        const bool reversed = c.min > c.max;
        slider->setInvertedAppearance(reversed);
        slider->setInvertedControls(reversed);
        slider->setRange(std::min(c.min, c.max), std::max(c.min, c.max));
        slider->setValue(c.value);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(displayText(c.caption));
        w->setAutoFillBackground(c.backColor.has_value());
        if (c.backColor) {
            applyColours(c, w, QPalette::Window, QPalette::WindowText);
        } else {
            applyFlatInk(w, c.foreColor, backdrop);
        }
    } else {
        w->setAutoFillBackground(true);
        applyColours(c, w, QPalette::Window, QPalette::WindowText);
    }
}

}  // namespace

QWidget* createControlWidget(const std::string& name, const Control& control, QWidget* parent,
                             bool multiLine) {
    QWidget* widget = nullptr;
    switch (control.kind) {
        case ControlKind::Button:
            widget = new CaptionButton(parent);
            break;
        case ControlKind::Option:
            widget = new QRadioButton(parent);
            break;
        case ControlKind::CheckBox:
            widget = new QCheckBox(parent);
            break;
        case ControlKind::Frame:
            widget = new QGroupBox(parent);
            break;
        case ControlKind::Label:
            widget = new QLabel(parent);
            break;
        case ControlKind::TextBox:
            if (multiLine) {
                auto* edit = new LimitedTextEdit(parent);
                // Tab goes on to the next field, as in any form; a card holds no tabs.
                edit->setTabChangesFocus(true);
                widget = edit;
            } else {
                widget = new QLineEdit(parent);
            }
            break;
        case ControlKind::Picture: {
            auto* cover = new QLabel(parent);
            cover->setFrameStyle(QFrame::Panel | QFrame::Raised);
            widget = cover;
            break;
        }
        case ControlKind::Image: {
            auto* picture = new PictureBox(parent);
            picture->setAlignment(Qt::AlignCenter);
            widget = picture;
            break;
        }
        case ControlKind::ProgressBar: {
            auto* bar = new TextProgressBar(parent);
            bar->setTextVisible(true);
            bar->setAlignment(Qt::AlignCenter);
            widget = bar;
            break;
        }
        case ControlKind::ScrollBar:
            widget = new QScrollBar(Qt::Horizontal, parent);
            break;
        case ControlKind::ComboBox:
            widget = new QComboBox(parent);
            break;
        case ControlKind::Form:
        case ControlKind::Menu:
        case ControlKind::Tray:
            return nullptr;
    }
    widget->setObjectName(toQt(name));
    return widget;
}

void applyFlatInk(QWidget* w, std::optional<std::uint32_t> ink, const Backdrop& backdrop) {
    QPalette palette = QApplication::palette(w);
    const QColor chosen = ink ? toQColor(*ink) : palette.color(QPalette::WindowText);
    if (ink) palette.setColor(QPalette::Disabled, QPalette::WindowText, chosen);
    std::vector<QColor> under = {palette.color(QPalette::Window)};
    if (backdrop) under = backdrop(w->geometry());
    setReadableInk(palette, QPalette::WindowText, chosen, under, under, w->font());
    if (palette != w->palette()) w->setPalette(palette);
}

void applyControl(Control& c, QWidget* w, const Backdrop& backdrop) {
    const QSignalBlocker blocker(w);
    const bool wasShown = !w->isHidden();
    const QRect rect = pixels(c.geometry);
    if (w->geometry() != rect) w->setGeometry(rect);
    applyFont(c, w);
    applyKindState(c, w, backdrop);
    w->setEnabled(c.enabled);
    w->setToolTip(displayText(c.tooltip));
    w->setVisible(c.visible);
    applyAccessibility(c, w, wasShown);
    if (c.focusRequested) {
        c.focusRequested = false;
        w->setFocus(Qt::OtherFocusReason);
    }
}

bool readBackControl(Control& c, QWidget* w) {
    std::string typed;
    if (auto* edit = qobject_cast<QPlainTextEdit*>(w)) {
        if (edit->toPlainText() == displayText(c.caption)) return false;
        typed = storedText(edit->toPlainText());
    } else if (auto* line = qobject_cast<QLineEdit*>(w)) {
        typed = fromQt(line->text());
    } else if (auto* toggle = qobject_cast<QAbstractButton*>(w); toggle && toggle->isCheckable()) {
        const bool changed = c.checked != toggle->isChecked();
        c.checked = toggle->isChecked();
        return changed;
    } else if (auto* list = qobject_cast<QComboBox*>(w)) {
        const bool changed = c.value != list->currentIndex();
        c.value = list->currentIndex();
        c.caption = fromQt(list->currentText());
        return changed;
    } else if (auto* slider = qobject_cast<QAbstractSlider*>(w)) {
        const bool changed = c.value != slider->value();
        c.value = slider->value();
        return changed;
    } else {
        return false;
    }
    if (typed == c.caption) return false;
    c.caption = typed;
    return true;
}

}  // namespace memvalo
