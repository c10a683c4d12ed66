#pragma once
// A fresh App over a scripted platform, with its paths in a temporary folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/app.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace memvalo::test {

using Texts = std::vector<std::string>;

class AppTest : public ::testing::Test {
  protected:
    AppTest() {
        platform.dataHomeFolder = dir.path() + "data";
        platform.documents = dir.path();
        app.paths.programFolder = dir.path() + "program/";
        app.paths.exeName = "memvalo";
        app.paths.dataFolder = dir.path() + "data/memvalo/";
        app.paths.settingsFile = app.paths.dataFolder + "memvalo.ini";
        app.paths.historyFile = app.paths.dataFolder + "dateiliste.lis";
    }
    // Every queued answer was used: the program asked exactly what the test expected.
    void TearDown() override {
        EXPECT_TRUE(platform.answers.empty()) << "message boxes expected but not shown";
        EXPECT_TRUE(platform.fileAnswers.empty()) << "file dialogs expected but not shown";
        EXPECT_TRUE(platform.inputAnswers.empty()) << "input boxes expected but not shown";
    }

    TempDir dir;
    ScriptedPlatform platform;
    App app{platform};
};

// The same, with the data folder already made, as after the program's first start.
class DataFolderTest : public AppTest {
  protected:
    DataFolderTest() {
        std::filesystem::create_directories(app.paths.dataFolder);
        app.paths.version = "Version 1.0.0";
    }
};

}  // namespace memvalo::test
