#include "ui/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QUrl>
#include <stdexcept>

#include "core/desktop_folders.h"
#include "ui/error_window.h"
#include "ui/file_dialog_look.h"
#include "ui/font_colour_dialog.h"
#include "ui/main_window.h"
#include "ui/qt_printer.h"
#include "ui/qt_text.h"
#include "ui/sound_player.h"

namespace memvalo {

namespace {

struct ButtonChoice {
    const char* text;
    Answer answer;
    QMessageBox::ButtonRole role;
};

std::vector<ButtonChoice> buttonsFor(Buttons buttons) {
    using R = QMessageBox::ButtonRole;
    switch (buttons) {
        case Buttons::OKCancel:
            return {{"OK", Answer::OK, R::AcceptRole},
                    {"Abbrechen", Answer::Cancel, R::RejectRole}};
        case Buttons::AbortRetryIgnore:
            return {{"&Abbrechen", Answer::Abort, R::RejectRole},
                    {"&Wiederholen", Answer::Retry, R::AcceptRole},
                    {"&Ignorieren", Answer::Ignore, R::AcceptRole}};
        case Buttons::YesNoCancel:
            return {{"&Ja", Answer::Yes, R::YesRole},
                    {"&Nein", Answer::No, R::NoRole},
                    {"Abbrechen", Answer::Cancel, R::RejectRole}};
        case Buttons::YesNo:
            return {{"&Ja", Answer::Yes, R::YesRole}, {"&Nein", Answer::No, R::NoRole}};
        case Buttons::RetryCancel:
            return {{"&Wiederholen", Answer::Retry, R::AcceptRole},
                    {"Abbrechen", Answer::Cancel, R::RejectRole}};
        case Buttons::OK:
            break;
    }
    return {{"OK", Answer::OK, R::AcceptRole}};
}

QMessageBox::Icon qtIcon(Icon icon) {
    switch (icon) {
        case Icon::Critical:
            return QMessageBox::Critical;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::Exclamation:
            return QMessageBox::Warning;
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

std::optional<std::string> runFileDialog(QWidget* parent, const FileDialog& d, bool save) {
    QFileDialog dialog(parent, toQt(d.title));
    fitFileDialog(dialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save || !d.fileMustExist ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save && !d.overwritePrompt) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!d.defaultSuffix.empty()) dialog.setDefaultSuffix(toQt(d.defaultSuffix));
    const QStringList filters = qtFileFilter(d.filter).split(QStringLiteral(";;"));
    if (!d.filter.empty()) {
        dialog.setNameFilters(filters);
        const qsizetype index = d.filterIndex - 1;
        if (index >= 0 && index < filters.size()) dialog.selectNameFilter(filters[index]);
    }
    if (!d.initialFolder.empty()) dialog.setDirectory(toQt(d.initialFolder));
    if (!d.fileName.empty()) dialog.selectFile(toQt(d.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return fromQt(dialog.selectedFiles().first());
}

}  // namespace

QtPlatform::QtPlatform()
    : sound_(std::make_unique<SoundPlayer>()), printer_(std::make_unique<QtPrinter>()) {}

QtPlatform::~QtPlatform() = default;

void QtPlatform::setMainWindow(QWidget* window) {
    mainWindow_ = window;
    sound_->holdUntilDrawn(window);
}

QWidget* QtPlatform::dialogParent() const {
    if (QWidget* active = QApplication::activeModalWidget()) return active;
    if (mainWindow_ && mainWindow_->isVisible()) return mainWindow_;
    return nullptr;
}

Answer QtPlatform::msgBox(const MessageBox& box) {
    QMessageBox dialog(qtIcon(box.icon), toQt(box.title), displayText(box.text),
                       QMessageBox::NoButton, dialogParent());
    const auto choices = buttonsFor(box.buttons);
    std::vector<QPushButton*> buttons;
    for (const ButtonChoice& choice : choices) {
        buttons.push_back(dialog.addButton(QString::fromUtf8(choice.text), choice.role));
    }
    const std::size_t preferred = static_cast<std::size_t>(box.defaultButton - 1);
    if (preferred < buttons.size()) {
        dialog.setDefaultButton(buttons[preferred]);
    }
    // Escape or the frame's close button give the cancelling answer (Cancel, No, Abort), or
    // the only one there is.
    std::size_t escape = buttons.size() - 1;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        const Answer a = choices[i].answer;
        if (a == Answer::Cancel || a == Answer::No || a == Answer::Abort) escape = i;
    }
    dialog.setEscapeButton(buttons[escape]);
    dialog.exec();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (dialog.clickedButton() == buttons[i]) return choices[i].answer;
    }
    return choices[escape].answer;
}

std::optional<std::string> QtPlatform::inputBox(const InputBox& box) {
    QInputDialog dialog(dialogParent());
    dialog.setWindowTitle(toQt(box.title));
    dialog.setLabelText(displayText(box.prompt));
    dialog.setTextValue(toQt(box.defaultText));
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return fromQt(dialog.textValue());
}

void QtPlatform::beep() {
    QApplication::beep();
}

std::optional<std::string> QtPlatform::openFileDialog(const FileDialog& dialog) {
    return runFileDialog(dialogParent(), dialog, false);
}

std::optional<std::string> QtPlatform::saveFileDialog(const FileDialog& dialog) {
    return runFileDialog(dialogParent(), dialog, true);
}

std::optional<FontChoice> QtPlatform::fontDialog(const std::optional<FontChoice>& preset) {
    return chooseFontAndColour(dialogParent(), preset);
}

std::optional<std::uint32_t> QtPlatform::colorDialog(std::uint32_t initial) {
    const QColor chosen =
        QColorDialog::getColor(toQColor(initial), dialogParent(), QStringLiteral("Farbe"));
    if (!chosen.isValid()) return std::nullopt;
    return fromQColor(chosen);
}

bool QtPlatform::playWave(const std::string& path) {
    return sound_->play(toQt(path));
}

void QtPlatform::setAlwaysOnTop(bool onTop) {
    if (!mainWindow_) return;
    const bool visible = mainWindow_->isVisible();
    mainWindow_->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    // Changing the flags hides a window; it is shown again without taking the focus.
    if (visible) {
        mainWindow_->setAttribute(Qt::WA_ShowWithoutActivating, true);
        mainWindow_->show();
        mainWindow_->setAttribute(Qt::WA_ShowWithoutActivating, false);
    }
}

void QtPlatform::setBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

bool QtPlatform::openDocument(const std::string& pathOrUrl) {
    const QString target = toQt(pathOrUrl);
    const QUrl url =
        QFileInfo::exists(target) ? QUrl::fromLocalFile(target) : QUrl::fromUserInput(target);
    return QDesktopServices::openUrl(url);
}

bool QtPlatform::startProgram(const std::string& path) {
    return QProcess::startDetached(toQt(path), {});
}

void QtPlatform::setClipboardText(const std::string& text) {
    QApplication::clipboard()->setText(toQt(text));
}

ImageSize QtPlatform::imageSize(const std::string& path) {
    QImageReader reader(toQt(path));
    QSize size = reader.size();
    if (!size.isValid()) size = reader.read().size();
    if (!size.isValid() || size.isEmpty()) {
        throw std::runtime_error("Bild kann nicht gelesen werden: " + path);
    }
    return {size.width(), size.height()};
}

ErrorChoice QtPlatform::reportError(const ErrorReport& report) {
    if (app_ == nullptr) return ErrorChoice::Leave;
    if (!errorWindow_) errorWindow_ = std::make_unique<ErrPtnrModel>();
    return OnError(*app_, *errorWindow_, report,
                   [this] { showErrorWindow(*app_, *errorWindow_, dialogParent()); });
}

void QtPlatform::unloadForms() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* main = qobject_cast<MainWindow*>(window)) {
            main->closeByProgram();
        } else if (window->isVisible()) {
            window->close();
        }
    }
    // Queued, so that a program ended while its window is still being set up ends too.
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

std::string QtPlatform::today() {
    return todayText();
}

std::string QtPlatform::dataHome() {
    return xdgDataHome();
}

std::string QtPlatform::documentsFolder() {
    return xdgDocumentsFolder();
}

Printer* QtPlatform::printer() {
    return printer_.get();
}

}  // namespace memvalo
