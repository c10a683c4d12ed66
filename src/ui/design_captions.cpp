#include "ui/design_captions.h"

#include <utility>

namespace memvalo {

namespace {

const std::vector<std::pair<const char*, const char*>>& captionTable() {
    static const std::vector<std::pair<const char*, const char*>> table = {
        {"lbldatum0", "erstellt am:"},    {"lbldatum1", "in Kasten 2 am:"},
        {"lbldatum2", "in Kasten 3 am:"}, {"lbldatum3", "in Kasten 4 am:"},
        {"lbldatum4", "in Kasten 5 am:"}, {"lblfalsch", "bisher falsch:"}};
    return table;
}

}  // namespace

DesignCaptions::DesignCaptions(QWidget* parent) {
    for (const auto& [label, text] : captionTable()) {
        auto* caption = new QLabel(QString::fromUtf8(text), parent);
        caption->setObjectName(QString::fromUtf8(label) + QStringLiteral("_caption"));
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        captions_.push_back({label, caption});
    }
}

void DesignCaptions::place(const std::map<std::string, QWidget*>& widgets, const QWidget& look) {
    for (const Caption& c : captions_) {
        const QWidget* label = widgets.at(c.label);
        c.widget->setFont(label->font());
        c.widget->setPalette(look.palette());
        const int gap = label->height() / 4;
        const int width = c.widget->fontMetrics().horizontalAdvance(c.widget->text()) + 2;
        c.widget->setGeometry(label->x() - gap - width, label->y(), width, label->height());
        c.widget->setVisible(!label->isHidden());
    }
}

}  // namespace memvalo
