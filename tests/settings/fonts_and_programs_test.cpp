#include <gtest/gtest.h>

#include <filesystem>

#include "settings/external_programs.h"
#include "settings/field_fonts.h"
#include "support/app_fixture.h"

namespace memvalo::test {
namespace {

using FontsAndProgramsTest = AppTest;

TEST_F(FontsAndProgramsTest, AFieldFontIsRememberedAndTheWholeFontSparesTheColours) {
    platform.fontAnswers = {FontChoice{"DejaVu Serif", 18, true, true, false, 0x0000FF},
                            std::nullopt,
                            FontChoice{"Liberation Sans", 12, false, false, true, 0xFF}};
    chooseFieldFont(app, 1);
    const Control& antwort = app.frm1.txtantwort;
    EXPECT_TRUE(antwort.font.name == "DejaVu Serif" && antwort.font.italic);
    EXPECT_EQ(antwort.foreColor, 0x0000FFu);
    EXPECT_EQ(app.settings.farben[8], 0x0000FFu);
    EXPECT_EQ(app.settings.schriftgroessen[1], 18);
    chooseFieldFont(app, 1);  // cancelled: nothing changes
    EXPECT_EQ(antwort.font.size, 18);

    mnufontgesamt_Click(app);
    for (std::size_t i = 0; i < kCardFieldCount; ++i) {
        const Control& field = kCardFields[i].box(app.frm1);
        EXPECT_TRUE(field.font.name == "Liberation Sans" && field.font.underline);
        EXPECT_EQ(app.settings.schriftgroessen[i], 12);
    }
    EXPECT_EQ(antwort.foreColor, 0x0000FFu);
}

TEST_F(FontsAndProgramsTest, KnownProgramsAreFoundOnTheSearchPathOrChosenByHand) {
    std::filesystem::create_directory(dir.file("bin"));
    dir.write("bin/pinta", "");
    std::filesystem::permissions(dir.file("bin/pinta"), std::filesystem::perms::owner_all);
    detectExternalPrograms(app, "/nirgends:" + dir.path() + "bin");
    EXPECT_EQ(app.settings.paintPfad, dir.path() + "bin/pinta");
    EXPECT_EQ(app.frm1.mnupaint.caption, "&Paint aufrufen");
    EXPECT_EQ(app.frm1.mnurecorder.caption, kSearchRecorder);

    // Searching takes only programs and asks for a name; an empty name clears the choice.
    app.frm1.mnupaint.caption = kSearchPaint;
    app.settings.paintPfad.clear();
    dir.write("Paint.EXE", "");
    dir.write("malen", "");
    std::filesystem::permissions(dir.file("malen"), std::filesystem::perms::owner_all);
    platform.fileAnswers = {dir.file("Paint.EXE"), dir.file("malen"), std::string("/usr/bin/neu")};
    platform.inputAnswers = {std::string("Malprogramm"), std::string("")};
    mnupaint_Click(app);
    EXPECT_TRUE(app.settings.paintPfad.empty() && platform.inputs.empty());
    mnupaint_Click(app);
    EXPECT_EQ(app.settings.paintPfad + "|" + app.frm1.mnupaint.caption,
              dir.file("malen") + "|Malprogramm");
    EXPECT_EQ(platform.inputs[0].defaultText, "malen");
    EXPECT_EQ(platform.openDialogs[0].title, "Programm suchen");
    mnuresetpaint_Click(app);
    EXPECT_EQ(app.settings.paintPfad, "");
}

TEST_F(FontsAndProgramsTest, StartingLeavesTheTopAndReportsAFailure) {
    app.ontop = "ja";
    app.frm1.mnutop.checked = true;
    app.settings.recorderPfad = "/weg/recorder";
    platform.programsStart = false;
    platform.answers = {Answer::OK};
    mnurecorder_Click(app);
    EXPECT_FALSE(app.frm1.mnutop.checked);
    EXPECT_EQ(app.ontop, "ja");
    EXPECT_EQ(platform.messageTexts(),
              Texts{"Das Programm \"/weg/recorder\" konnte nicht gestartet werden.\r"
                    "Bitte wählen Sie es mit \"Multimedia\" / \"Programm2 ändern\" neu aus."});
    platform.programsStart = true;
    mnurecorder_Click(app);
    EXPECT_EQ(platform.programsStarted.back(), "/weg/recorder");
}

}  // namespace
}  // namespace memvalo::test
