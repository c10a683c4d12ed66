#include "app/app.h"

#include "core/error_guard.h"
#include "core/safe_file.h"
#include "support/app_fixture.h"

namespace memvalo {
namespace {

using AppServicesTest = test::AppTest;

TEST_F(AppServicesTest, MessageBoxesLiftTheWindowOffTheTopOnlyWhenItIsOnTop) {
    platform.answers = {Answer::Yes, Answer::OK};
    EXPECT_EQ(app.msgBox("Frage?", "Titel", Buttons::YesNo, Icon::Question, 2), Answer::Yes);
    EXPECT_TRUE(platform.onTopCalls.empty());

    app.ontop = "ja";
    app.msgBox("Hinweis", "Titel");
    EXPECT_EQ(platform.onTopCalls, (std::vector<bool>{false, true}));
    EXPECT_EQ(platform.messages[0].defaultButton, 2);
}

TEST_F(AppServicesTest, TheErrorWindowDecidesHowAFailedProcedureGoesOn) {
    int runs = 0;
    platform.errorChoices = {ErrorChoice::Retry};
    EXPECT_TRUE(guarded(app, "probe", [&] {
        if (++runs == 1) throw std::runtime_error("erster Versuch");
    }));
    EXPECT_EQ(runs, 2);

    // Skip goes on with the next step; leave and end run no further step.
    for (ErrorChoice choice : {ErrorChoice::Skip, ErrorChoice::Leave, ErrorChoice::End}) {
        platform.errorChoices = {choice};
        ProcedureGuard guard(app, "probe");
        EXPECT_FALSE(guard.step([] { throw std::runtime_error("aus"); }));
        EXPECT_EQ(guard.step([] {}), choice == ErrorChoice::Skip);
        EXPECT_EQ(app.endRequested, choice == ErrorChoice::End);
    }
    EXPECT_EQ(platform.unloads, 0) << "the program ends only once the command is over";
    EXPECT_EQ(platform.errors.back().description, "aus");
}

TEST_F(AppServicesTest, AtomicWriteReplacesTheFileOrLeavesItAlone) {
    dir.write("a.ini", "alt");
    EXPECT_FALSE(writeFileAtomically(dir.file("a.ini"), "neu"));
    EXPECT_EQ(dir.read("a.ini"), "neu");
    EXPECT_TRUE(writeFileAtomically(dir.file("fehlt/a.ini"), "neu"));
    EXPECT_FALSE(std::filesystem::exists(dir.file("a.ini.tmp~")));
}

}  // namespace
}  // namespace memvalo
