// The import and export windows on screen: their option groups, frames and closing.
#include <QCheckBox>
#include <QRadioButton>
#include <QtTest>

#include <stdexcept>

#include "ui/model_dialog.h"
#include "ui/real_window.h"

namespace memvalo::test {

class ExchangeWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        w_ = std::make_unique<RealWindow>();
        w_->platform.connectWindows(w_->app, *w_->window);
    }
    void cleanup() { w_.reset(); }

    // The format options and the page options are separate groups; the plain choices grey
    // out with the page and an empty box stays greyed; Escape closes the window.
    void exportWindowGroupsItsOptions() {
        w_->app.store.k(1).append(card("Haus", ""));
        bool closed = false;
        whenModal(
            [](QWidget* dialog) {
                option(dialog, "optcsv")->click();
                QVERIFY(!option(dialog, "opttext")->isChecked());
                QVERIFY(option(dialog, "optfa")->isChecked());
                QVERIFY(check(dialog, "chkkasten(0)")->isEnabled());
                QVERIFY(!check(dialog, "chkkasten(1)")->isEnabled());
                option(dialog, "opthtml")->click();
                QVERIFY(!check(dialog, "chkkasten(0)")->isEnabled());
                option(dialog, "optaf")->click();
                QVERIFY(option(dialog, "opthtml")->isChecked() &&
                        !option(dialog, "optfa")->isChecked());
                QTest::keyClick(dialog, Qt::Key_Escape);
            },
            &closed);
        UiEvent exportCommand{"mnuexporttext", "Click"};
        w_->window->fire(exportCommand);
        QVERIFY(closed);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    // Closing the window before a conversion hands over nothing: the new empty set stays.
    void importWindowClosedByEscapeOpensNothing() {
        bool closed = false;
        whenModal(
            [](QWidget* dialog) {
                QVERIFY(!dialog->findChild<QWidget*>("cmdimport")->isEnabled());
                QTest::keyClick(dialog, Qt::Key_Escape);
            },
            &closed);
        QVERIFY(w_->choose("mnucsvimport"));
        QVERIFY(closed);
        QVERIFY(w_->app.frm1.me.caption.ends_with("   Import"));
        QVERIFY(w_->app.setPath.empty());
    }

    // A fault in a procedure of a window closes the window and runs on to the command that
    // opened it, whose policy then tells of it; it never passes through Qt.
    void aFaultInAWindowProcedureClosesTheWindow() {
        ControlMap controls;
        controls["frmx"].kind = ControlKind::Form;
        controls["frmx"].geometry = {0, 0, 3000, 1500};
        controls["cmdx"].kind = ControlKind::Button;
        ModelDialog window(controls, "frmx", nullptr, nullptr);
        window.onClick("cmdx", [] { throw std::runtime_error("kaputt"); });
        whenModal([](QWidget* dialog) { dialog->findChild<QAbstractButton*>("cmdx")->click(); });
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, window.exec());
        QVERIFY(!window.isVisible());
    }

  private:
    static QRadioButton* option(QWidget* dialog, const char* name) {
        return dialog->findChild<QRadioButton*>(name);
    }
    static QCheckBox* check(QWidget* dialog, const char* name) {
        return dialog->findChild<QCheckBox*>(name);
    }
    std::unique_ptr<RealWindow> w_;
};

}  // namespace memvalo::test

QTEST_MAIN(memvalo::test::ExchangeWindowsTest)
#include "exchange_windows_test.moc"
