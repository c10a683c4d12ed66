#include "ui/accessible_names.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QLabel>
#include <QPlainTextEdit>
#include <string_view>

#include "ui/qt_text.h"

namespace memvalo {

namespace {

struct Accessible {
    std::string_view window;
    std::string_view control;
    // The name spoken for the control; "%1" stands for its caption. Empty for a label.
    std::string_view name;
    // A label: the field it names. A cover: the field it reveals as it goes.
    std::string_view field;
};

constexpr Accessible kAccessible[] = {
    {"frm1", "Label1", "", "txtfrage"},
    {"frm1", "Label2", "", "txtantwort"},
    {"frm1", "picfrage", "", "txtfrage"},
    {"frm1", "picantwort", "", "txtantwort"},
    {"frm1", "piczusatz1", "", "txtzusatz1"},
    {"frm1", "piczusatz2", "", "txtzusatz2"},
    {"frm1", "cmdanfang", "Erster Datensatz", ""},
    {"frm1", "cmdzurück", "Voriger Datensatz", ""},
    {"frm1", "cmdvor", "Nächster Datensatz", ""},
    {"frm1", "cmdende", "Letzter Datensatz", ""},
    {"frm1", "cmd5anfang", "Erster Datensatz", ""},
    {"frm1", "cmd5zurück", "Voriger Datensatz", ""},
    {"frm1", "cmd5vor", "Nächster Datensatz", ""},
    {"frm1", "cmd5ende", "Letzter Datensatz", ""},
    {"frm1", "bildbox", "Bild der Karte", ""},
    {"frm1", "progress", "Fortschritt", ""},
    {"frm1", "lblazist(0)", "Kasten 1: %1 Karten", ""},
    {"frm1", "lblazist(1)", "Kasten 2: %1 Karten", ""},
    {"frm1", "lblazist(2)", "Kasten 3: %1 Karten", ""},
    {"frm1", "lblazist(3)", "Kasten 4: %1 Karten", ""},
    {"frm1", "lblazist(4)", "Kasten 5: %1 Karten", ""},
    {"frm1", "txtazsoll(0)", "Soll Kasten 1", ""},
    {"frm1", "txtazsoll(1)", "Soll Kasten 2", ""},
    {"frm1", "txtazsoll(2)", "Soll Kasten 3", ""},
    {"frm1", "txtazsoll(3)", "Soll Kasten 4", ""},
    {"frm1", "txtazsoll(4)", "Soll Kasten 5", ""},
    {"frmfarb", "lblred", "", "scrollred"},
    {"frmfarb", "lblgreen", "", "scrollgreen"},
    {"frmfarb", "lblblue", "", "scrollblue"},
    {"frmfarb", "lblrichtung", "", "scrollrichtung"},
    {"frmfarb", "txtbeispiel", "Beispiel-Textfeld", ""},
    {"frminfo", "txtinfo", "Kurzanleitung", ""},
    {"frmsuche", "lblsuche", "", "txtsuche"},
    {"frmsuche", "lblfeld(0)", "", "txtfrage"},
    {"frmsuche", "lblfeld(1)", "", "txtantwort"},
    {"frmsuche", "lblfeld(2)", "", "txtzusatz1"},
    {"frmsuche", "lblfeld(3)", "", "txtzusatz2"},
    {"frmsuche", "bildbox", "Bild der Karte", ""},
    {"frmzeit", "scrollzeit", "Abspanngeschwindigkeit", ""},
    {"frmzeit", "txtinfo", "Hinweis", ""},
};

const Accessible* accessibleOf(const QWidget* widget) {
    const std::string window = fromQt(widget->window()->objectName());
    const std::string control = fromQt(widget->objectName());
    for (const Accessible& a : kAccessible) {
        if (a.window == window && a.control == control) return &a;
    }
    return nullptr;
}

QWidget* fieldOf(const Accessible& a, const QWidget* widget) {
    return widget->parentWidget()->findChild<QWidget*>(toQt(a.field), Qt::FindDirectChildrenOnly);
}

void revealed(QWidget* field) {
    auto* edit = qobject_cast<QPlainTextEdit*>(field);
    if (edit == nullptr) return;
    QAccessibleValueChangeEvent event(edit, edit->toPlainText());
    QAccessible::updateAccessibility(&event);
}

}  // namespace

void applyAccessibility(const Control& control, QWidget* widget, bool wasShown) {
    const Accessible* a = accessibleOf(widget);
    if (a == nullptr) return;
    if (!a->name.empty()) {
        // Setting a name of its own tells assistive technology of the change.
        const QString caption = displayText(control.caption).trimmed();
        QString name = toQt(a->name);
        if (name.contains(QStringLiteral("%1"))) name = name.arg(caption);
        // "1 Karte", not "1 Karten".
        if (caption == QStringLiteral("1"))
            name.replace(QStringLiteral(" 1 Karten"), QStringLiteral(" 1 Karte"));
        widget->setAccessibleName(name);
    } else if (control.kind == ControlKind::Picture) {
        if (wasShown && !control.visible) revealed(fieldOf(*a, widget));
    } else if (auto* label = qobject_cast<QLabel*>(widget); label && !label->buddy()) {
        label->setBuddy(fieldOf(*a, widget));
    }
}

void nameByLabels(QWidget* dialog) {
    const QList<QWidget*> widgets = dialog->findChildren<QWidget*>();
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        QWidget* buddy = label->buddy();
        if (buddy == nullptr) continue;
        const QString name = QString(label->text()).remove(QLatin1Char('&'));
        buddy->setAccessibleName(name);
        if (QWidget* proxy = buddy->focusProxy()) proxy->setAccessibleName(name);
        // The size field is typed into; the list of sizes beside it comes next.
        if (auto* list = qobject_cast<QAbstractItemView*>(buddy->nextInFocusChain());
            list && list->accessibleName().isEmpty()) {
            list->setAccessibleName(name);
        }
        for (QWidget* w : widgets) {
            if (w->focusProxy() == buddy) w->setAccessibleName(name);
        }
    }
}

}  // namespace memvalo
