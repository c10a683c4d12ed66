#pragma once
// The main window `frm1` on screen: one widget or menu action per model control with the same
// object name. Every user action is forwarded to the event table by control and event name;
// afterwards the model is applied to the widgets. The window holds no behaviour of its own.
#include <QKeyEvent>
#include <QMainWindow>
#include <QMouseEvent>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/app.h"
#include "model/events.h"
#include "ui/design_captions.h"
#include "ui/menu_bar_fitting.h"

class QMenu;
class QSystemTrayIcon;

namespace memvalo {

class KeyboardAccess;

class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    MainWindow(App& app, const EventTable& events);

    // Runs the window's load event and shows it as the model says.
    void load();
    // Applies the whole model to the widgets, the menus and the tray icon.
    void sync();
    // A close asked for by the program rather than by the user.
    void closeByProgram();

    QAction* menuAction(const std::string& name) const;
    QWidget* controlWidget(const std::string& name) const;
    QMenu* menu(const std::string& name) const;

    // Forwards one event and applies the model afterwards.
    void fire(UiEvent& event);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildMenus();
    void buildControls();
    void buildTray();
    void connectSignals(const std::string& name, QWidget* widget);
    void fireIfHandled(const std::string& control, const std::string& name);
    bool forwardKey(const std::string& control, QKeyEvent* key);
    void forwardKeyUp(const std::string& control, QKeyEvent* key);
    void forwardMouseDown(const std::string& control, QMouseEvent* mouse);
    bool seenThroughControl(const QObject* watched) const;
    void resized();
    void readBack();
    void applyWindow();
    // What the window paints beneath a place of its free area.
    std::vector<QColor> backdropAt(const QRect& place) const;
    void applyMenus();
    // The captions of one menu's entries, each with an access key of its own.
    void applyCaptions(const QList<QAction*>& entries);
    void applyTray();

    App& app_;
    const EventTable& events_;
    QWidget* area_;
    MenuBarFitting menuBarFitting_;
    QSystemTrayIcon* tray_ = nullptr;
    KeyboardAccess* keyboard_ = nullptr;
    std::map<std::string, QWidget*> widgets_;
    std::map<std::string, QAction*> actions_;
    std::map<std::string, QMenu*> menus_;
    std::unique_ptr<DesignCaptions> captions_;
    bool syncing_ = false;
    bool resizePending_ = false;
    int running_ = 0;  // procedures under way (one runs inside another's message box)
    int closeMode_ = 0;
};

}  // namespace memvalo
