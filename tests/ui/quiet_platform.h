#pragma once
// The Qt platform without anything that would wait for a person: message boxes are recorded
// and answered from the test's queue (OK once it is empty), dialogs are cancelled, nothing is
// played or started.
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/app.h"
#include "ui/qt_platform.h"

namespace memvalo::test {

// Runs `steps` on the modal window once it stands active on the screen, and closes it if the
// steps left it open, so that a test cannot hang; `closedBySteps` tells whether they closed it.
inline void whenModal(std::function<void(QWidget*)> steps, bool* closedBySteps = nullptr) {
    QTimer::singleShot(0, [steps = std::move(steps), closedBySteps] {
        QWidget* window = QApplication::activeModalWidget();
        QVERIFY(window != nullptr);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        steps(window);
        if (closedBySteps != nullptr) *closedBySteps = !window->isVisible();
        if (window->isVisible()) window->close();
    });
}

class QuietPlatform : public QtPlatform {
  public:
    Answer msgBox(const MessageBox& box) override {
        messages.push_back(box.text);
        if (whileShown) {
            whenModal([this](QWidget*) { whileShown(); });
            QtPlatform::msgBox(box);
        }
        if (answers.empty()) return Answer::OK;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::optional<std::string> inputBox(const InputBox&) override { return std::nullopt; }
    std::optional<std::string> openFileDialog(const FileDialog&) override { return std::nullopt; }
    std::optional<std::string> saveFileDialog(const FileDialog&) override { return std::nullopt; }
    std::optional<FontChoice> fontDialog(const std::optional<FontChoice>&) override {
        return std::nullopt;
    }
    std::optional<std::uint32_t> colorDialog(std::uint32_t) override { return std::nullopt; }
    bool playWave(const std::string&) override { return false; }
    bool startProgram(const std::string&) override { return false; }
    void unloadForms() override { ++unloads; }

    std::vector<std::string> messages;
    std::deque<Answer> answers;
    // When set, each message box really stands on the screen while this runs.
    std::function<void()> whileShown;
    int unloads = 0;
};

// An App whose data folder lies in a fresh temporary folder.
inline void useTemporaryFolders(App& app, const QTemporaryDir& dir) {
    const std::string base = dir.path().toStdString() + "/";
    const char* program = std::getenv("MEMVALO_PROGRAM_FOLDER");
    app.paths.programFolder = program != nullptr ? program : base;
    app.paths.exeName = "memvalo";
    app.paths.version = "Version 1.0.0";
    app.paths.dataFolder = base + "data/memvalo/";
    app.paths.settingsFile = app.paths.dataFolder + "memvalo.ini";
    app.paths.historyFile = app.paths.dataFolder + "dateiliste.lis";
    std::filesystem::create_directories(app.paths.dataFolder);
}

}  // namespace memvalo::test
