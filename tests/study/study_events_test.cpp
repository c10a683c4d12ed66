// The window reaches every study procedure by control name and event name.
#include "study/study_events.h"

#include "study/study_fixture.h"

namespace memvalo::test {
namespace {

// A query round by the events the window forwards: the card moves as by the procedures.
TEST_F(StudyTest, AQueryRoundRunsThroughTheEventTable) {
    EventTable table;
    registerStudyEvents(table);
    const auto click = [&](const char* control) {
        UiEvent event{control, "Click"};
        return table.run(app, app.frm1.controls(), event);
    };
    fill(3, {"a", "b"});
    EXPECT_TRUE(click("mnueingabe"));
    EXPECT_TRUE(click("mnuzufall"));
    expectAnswers({Answer::No});
    EXPECT_TRUE(click("mnukastwahl"));
    EXPECT_TRUE(click("mnukk(2)"));
    EXPECT_TRUE(click("cmdantwort"));
    EXPECT_TRUE(click("cmdrichtig"));
    EXPECT_EQ(answersIn(3), std::vector<std::string>{"b"});
    EXPECT_EQ(answersIn(4), std::vector<std::string>{"a"});

    app.study.kasten = 7;  // a fault inside a command ends it without reaching the window
    EXPECT_NO_THROW(click("cmdrichtig"));
}

}  // namespace
}  // namespace memvalo::test
