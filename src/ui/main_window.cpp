#include "ui/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSystemTrayIcon>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <set>
#include <vector>

#include "core/card_fields.h"
#include "model/main_menu_table.h"
#include "settings/design_layout.h"
#include "settings/gradient.h"
#include "settings/settings_file.h"
#include "ui/access_keys.h"
#include "ui/after_first_frame.h"
#include "ui/background_area.h"
#include "ui/control_widgets.h"
#include "ui/gradient_painter.h"
#include "ui/key_codes.h"
#include "ui/keyboard_access.h"
#include "ui/modal_watcher.h"
#include "ui/qt_text.h"

namespace memvalo {

namespace {

constexpr char kWindowName[] = "frm1";

bool isCardField(const std::string& name) {
    return std::any_of(kCardFields.begin(), kCardFields.end(),
                       [&](const CardField& f) { return f.textBox == name; });
}

std::string nameOf(const QObject* object) {
    return fromQt(object->objectName());
}

}  // namespace

MainWindow::MainWindow(App& app, const EventTable& events)
    : app_(app), events_(events), area_(new BackgroundArea(app, this)), menuBarFitting_(menuBar()) {
    setObjectName(kWindowName);
    area_->setObjectName(QStringLiteral("frm1_area"));
    area_->installEventFilter(this);
    // Not before the window is first shown: the start-up places it only after its messages.
    new ModalWatcher(this, [this] {
        if (!syncing_ && isVisible()) sync();
    });
    setCentralWidget(area_);
    setMinimumSize(kMinWindowWidth / kTwipsPerPixel, kMinWindowHeight / kTwipsPerPixel);
    buildMenus();
    buildControls();
    keyboard_ = new KeyboardAccess(this, widgets_);
    captions_ = std::make_unique<DesignCaptions>(area_);
    buildTray();
}

void MainWindow::buildMenus() {
    std::set<std::string_view> heads;
    for (const MenuEntry& entry : mainMenuTable()) heads.insert(entry.parent);
    for (const MenuEntry& entry : mainMenuTable()) {
        const std::string name(entry.name);
        const QString caption = toQt(entry.caption);
        QAction* action = nullptr;
        if (entry.parent.empty() || heads.count(entry.name)) {
            QMenu* menu = entry.parent.empty()
                              ? menuBar()->addMenu(caption)
                              : menus_.at(std::string(entry.parent))->addMenu(caption);
            menu->setObjectName(toQt(name + "_menu"));
            menus_[name] = menu;
            action = menu->menuAction();
            // Opening a menu is its Click: the program readies the entries before they show.
            connect(menu, &QMenu::aboutToShow, this,
                    [this, name] { fireIfHandled(name, "Click"); });
        } else {
            action = menus_.at(std::string(entry.parent))->addAction(caption);
            if (!entry.shortcut.empty()) action->setShortcut(QKeySequence(toQt(entry.shortcut)));
            connect(action, &QAction::triggered, this,
                    [this, name] { fireIfHandled(name, "Click"); });
        }
        action->setObjectName(toQt(name));
        actions_[name] = action;
    }
}

void MainWindow::buildControls() {
    std::vector<QWidget*> covers;
    for (auto& [name, control] : app_.frm1.controls()) {
        QWidget* widget = createControlWidget(name, control, area_, isCardField(name));
        if (widget == nullptr) continue;
        widgets_[name] = widget;
        widget->installEventFilter(this);
        connectSignals(name, widget);
        if (control.kind == ControlKind::Picture) covers.push_back(widget);
    }
    // The covers lie over the fields they hide.
    for (QWidget* cover : covers) cover->raise();
}

void MainWindow::connectSignals(const std::string& name, QWidget* widget) {
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        connect(button, &QPushButton::clicked, this,
                [this, name] { fireIfHandled(name, "Click"); });
    } else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
        connect(edit, &QPlainTextEdit::textChanged, this,
                [this, name] { fireIfHandled(name, "Change"); });
    } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        connect(line, &QLineEdit::textChanged, this,
                [this, name] { fireIfHandled(name, "Change"); });
    }
}

void MainWindow::load() {
    afterFirstFrame(this, this, [this] {
        const QIcon icon(toQt(app_.paths.programFolder + "memvalo.ico"));
        setWindowIcon(icon);
        tray_->setIcon(icon);
        // Without an icon the tray could not show it yet.
        tray_->setVisible(app_.settings.trayAvailable);
    });
    UiEvent event{kWindowName, "Load"};
    fire(event);
}

QAction* MainWindow::menuAction(const std::string& name) const {
    const auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

QWidget* MainWindow::controlWidget(const std::string& name) const {
    const auto it = widgets_.find(name);
    return it == widgets_.end() ? nullptr : it->second;
}

QMenu* MainWindow::menu(const std::string& name) const {
    const auto it = menus_.find(name);
    return it == menus_.end() ? nullptr : it->second;
}

void MainWindow::fireIfHandled(const std::string& control, const std::string& name) {
    if (syncing_ || !events_.handles(control, name)) {
        // Typed text still reaches the model, so the next procedure sees it.
        if (!syncing_) readBack();
        return;
    }
    UiEvent event{control, name};
    fire(event);
}

void MainWindow::fire(UiEvent& event) {
    if (syncing_) return;
    readBack();
    ++running_;
    events_.run(app_, app_.frm1.controls(), event);
    // A learner who chose in the error window to end the program has it end now that the
    // command that failed is over.
    if (running_ == 1 && app_.endRequested) {
        UiEvent end{kWindowName, "EndAfterFault"};
        events_.run(app_, app_.frm1.controls(), end);
    }
    // An option the learner changed is in the settings file at once, as if the program ended.
    if (running_ == 1) keepChangedSettings(app_);
    --running_;
    sync();
}

void MainWindow::readBack() {
    for (auto& [name, widget] : widgets_) readBackControl(app_.frm1.at(name), widget);
    if (isVisible() && !isMinimized() && !isMaximized()) {
        app_.frm1.me.geometry = {x() * kTwipsPerPixel, y() * kTwipsPerPixel,
                                 width() * kTwipsPerPixel, height() * kTwipsPerPixel};
    }
}

void MainWindow::sync() {
    syncing_ = true;
    const Backdrop backdrop = [this](const QRect& place) { return backdropAt(place); };
    for (auto& [name, widget] : widgets_) applyControl(app_.frm1.at(name), widget, backdrop);
    keyboard_->update();
    captions_->place(widgets_, *widgets_.at("Label5"), app_.frm1.Label5.foreColor, backdrop);
    applyMenus();
    applyTray();
    applyWindow();
    area_->update();
    syncing_ = false;
    if (resizePending_ && running_ == 0) {
        resizePending_ = false;
        QTimer::singleShot(0, this, [this] { resized(); });
    }
}

void MainWindow::resized() {
    // A size change while a procedure waits for a message box is taken up after it: the
    // procedure must not find its window rescaled under its hands.
    if (syncing_ || running_ > 0) {
        resizePending_ = true;
        return;
    }
    UiEvent event{kWindowName, "Resize"};
    fire(event);
}

std::vector<QColor> MainWindow::backdropAt(const QRect& place) const {
    if (const auto gradient = verlaufsub(app_)) {
        return gradientColours(*gradient, area_->rect(), place);
    }
    if (app_.frm1.me.backColor) return {toQColor(*app_.frm1.me.backColor)};
    return {area_->palette().color(QPalette::Window)};
}

void MainWindow::applyMenus() {
    for (auto& [name, action] : actions_) {
        const Control& c = app_.frm1.at(name);
        const QSignalBlocker blocker(action);
        const bool separator = c.caption == "-";
        if (action->isSeparator() != separator && !menus_.count(name))
            action->setSeparator(separator);
        // A separator's "-" is no text: a style would draw it beside the line.
        if (separator) action->setText(QString());
        action->setVisible(c.visible);
        action->setEnabled(c.enabled);
        action->setCheckable(c.checked);
        action->setChecked(c.checked);
    }
    applyCaptions(menuBar()->actions());
    for (auto& [name, menu] : menus_) applyCaptions(menu->actions());
    menuBarFitting_.fit(width());
}

void MainWindow::applyCaptions(const QList<QAction*>& entries) {
    std::vector<QAction*> shown;
    std::vector<QString> captions;
    for (QAction* action : entries) {
        if (action->isSeparator()) continue;
        shown.push_back(action);
        captions.push_back(toQt(app_.frm1.at(nameOf(action)).caption));
    }
    const std::vector<QString> unique = withUniqueAccessKeys(captions);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const QSignalBlocker blocker(shown[i]);
        if (shown[i]->text() != unique[i]) shown[i]->setText(unique[i]);
    }
}

void MainWindow::applyWindow() {
    const Control& me = app_.frm1.me;
    setWindowTitle(displayText(me.caption).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    const Geometry& g = me.geometry;
    const QSize size(g.width / kTwipsPerPixel, g.height / kTwipsPerPixel);
    const QPoint place(g.left / kTwipsPerPixel, g.top / kTwipsPerPixel);
    const WindowState state = app_.frm1.windowState;
    if (state == WindowState::Normal && !isMaximized()) {
        if (this->size() != size) resize(size);
        if (pos() != place) move(place);
    }
    if (me.visible && !isVisible()) show();
    if (!me.visible && isVisible()) hide();
    if (state == WindowState::Minimized && !isMinimized()) {
        setWindowState(windowState() | Qt::WindowMinimized);
    } else if (state != WindowState::Minimized && isMinimized()) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
    }
}

void MainWindow::closeByProgram() {
    closeMode_ = 1;
    close();
    closeMode_ = 0;
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    menuBarFitting_.fit(width());
    resized();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    UiEvent request{kWindowName, "QueryUnload"};
    request.unloadMode = closeMode_;
    fire(request);
    if (request.cancel) {
        event->ignore();
    } else {
        event->accept();
    }
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) return;
    WindowState& state = app_.frm1.windowState;
    if (isMinimized()) {
        state = WindowState::Minimized;
    } else {
        state = isMaximized() ? WindowState::Maximized : WindowState::Normal;
    }
}

bool MainWindow::forwardKey(const std::string& control, QKeyEvent* key) {
    UiEvent down{kWindowName, "KeyDown"};
    down.key = virtualKeyCode(*key);
    down.shift = shiftState(key->modifiers());
    // The window sees a key before the control that has the focus.
    std::vector<std::string> targets = {kWindowName};
    if (control != kWindowName) targets.push_back(control);
    for (const std::string& target : targets) {
        if (!events_.handles(target, "KeyDown") || down.key == 0) continue;
        down.control = target;
        fire(down);
    }
    if (down.key == 0 && virtualKeyCode(*key) != 0) return true;
    UiEvent press{control, "KeyPress"};
    press.key = characterCode(*key);
    if (press.key == 0 || !events_.handles(control, "KeyPress")) return false;
    fire(press);
    return press.key == 0;
}

void MainWindow::forwardKeyUp(const std::string& control, QKeyEvent* key) {
    UiEvent up{kWindowName, "KeyUp"};
    up.key = virtualKeyCode(*key);
    up.shift = shiftState(key->modifiers());
    if (up.key != 0 && events_.handles(kWindowName, "KeyUp")) fire(up);
    if (control == kWindowName || !events_.handles(control, "KeyUp")) return;
    up.control = control;
    fire(up);
}

void MainWindow::forwardMouseDown(const std::string& control, QMouseEvent* mouse) {
    UiEvent down{control, "MouseDown"};
    down.button = mouseButton(mouse->button());
    down.shift = shiftState(mouse->modifiers());
    if (events_.handles(control, "MouseDown")) fire(down);
}

// A key the focused control leaves unused travels on to the area behind it, and the window
// saw it already through the control: forwarded twice, one Page Up would page twice.
bool MainWindow::seenThroughControl(const QObject* watched) const {
    if (watched != area_) return false;
    for (const QWidget* w = QApplication::focusWidget(); w != nullptr && w != area_;
         w = w->parentWidget()) {
        const auto it = widgets_.find(nameOf(w));
        if (it != widgets_.end() && it->second == w) return true;
    }
    return false;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const std::string control = watched == area_ ? kWindowName : nameOf(watched);
    switch (event->type()) {
        case QEvent::KeyPress:
            if (seenThroughControl(watched)) break;
            if (forwardKey(control, static_cast<QKeyEvent*>(event))) return true;
            break;
        case QEvent::KeyRelease:
            if (!seenThroughControl(watched)) forwardKeyUp(control, static_cast<QKeyEvent*>(event));
            break;
        case QEvent::MouseButtonPress:
            forwardMouseDown(control, static_cast<QMouseEvent*>(event));
            break;
        case QEvent::FocusOut:
            if (control != kWindowName && events_.handles(control, "LostFocus")) {
                UiEvent lost{control, "LostFocus"};
                fire(lost);
            }
            break;
        default:
            break;
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace memvalo
