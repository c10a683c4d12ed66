#include "ui/design_captions.h"

#include <string>
#include <vector>

#include "core/card_fields.h"

namespace memvalo {

namespace {

struct CaptionText {
    std::string control;
    std::string text;
    bool above;
};

// The date labels, then the card fields that carry their caption above them ("Zusatz 1:").
std::vector<CaptionText> captionTexts() {
    std::vector<CaptionText> captions = {
        {"lbldatum0", "erstellt am:", false},    {"lbldatum1", "in Kasten 2 am:", false},
        {"lbldatum2", "in Kasten 3 am:", false}, {"lbldatum3", "in Kasten 4 am:", false},
        {"lbldatum4", "in Kasten 5 am:", false}, {"lblfalsch", "bisher falsch:", false}};
    for (const CardField& f : kCardFields) {
        if (f.captionAbove) {
            captions.push_back({std::string(f.textBox), std::string(f.caption) + ":", true});
        }
    }
    return captions;
}

}  // namespace

DesignCaptions::DesignCaptions(QWidget* parent) {
    for (const CaptionText& c : captionTexts()) {
        auto* caption = new QLabel(QString::fromStdString(c.text), parent);
        caption->setObjectName(QString::fromStdString(c.control) + QStringLiteral("_caption"));
        caption->setAlignment(c.above ? Qt::AlignLeft | Qt::AlignBottom
                                      : Qt::AlignRight | Qt::AlignVCenter);
        captions_.push_back({c.control, c.above ? Place::Above : Place::Left, caption});
    }
}

void DesignCaptions::place(const std::map<std::string, QWidget*>& widgets, const QWidget& look,
                           std::optional<std::uint32_t> lookInk, const Backdrop& backdrop) {
    for (const Caption& c : captions_) {
        QWidget* control = widgets.at(c.control);
        // A screen reader names the field by its caption.
        if (c.widget->buddy() != control) c.widget->setBuddy(control);
        if (c.place == Place::Above) {
            // The caption takes the flat labels' font: the field's own may be large.
            c.widget->setFont(look.font());
            const int height = c.widget->fontMetrics().height() + 2;
            c.widget->setGeometry(control->x(), control->y() - height - 1, control->width(),
                                  height);
        } else {
            c.widget->setFont(control->font());
            const int gap = control->height() / 4;
            const int width = c.widget->fontMetrics().horizontalAdvance(c.widget->text()) + 2;
            c.widget->setGeometry(control->x() - gap - width, control->y(), width,
                                  control->height());
        }
        applyFlatInk(c.widget, lookInk, backdrop);
        c.widget->setVisible(!control->isHidden());
    }
}

}  // namespace memvalo
