// The window reaches every study procedure by control name and event name.
#include "study/study_events.h"

#include "study/study_fixture.h"

namespace memvalo::test {
namespace {

TEST_F(StudyTest, EveryStudyControlAnswersItsClick) {
    EventTable table;
    registerStudyEvents(table);
    for (const char* name :
         {"mnumoduswahl", "mnueingabe", "mnuzufall", "mnukastwahl", "mnukk(0)", "mnukk(4)", "optk5",
          "cmdantwort", "cmdrichtig", "cmdfalsch", "mnuverdecktunten", "mnuverdecktoben",
          "mnuzusatzsichtbar", "mnunureins", "mnukorrekt"}) {
        EXPECT_TRUE(table.handles(name, "Click")) << name;
        EXPECT_TRUE(app.frm1.controls().count(name)) << name;
    }

    fill(3, {"a"});
    UiEvent zufall{"mnuzufall", "Click"};
    table.dispatch(app, zufall);
    expectAnswers({Answer::No});
    UiEvent kasten3{"mnukk(2)", "Click"};
    EXPECT_TRUE(table.dispatch(app, kasten3));
    EXPECT_EQ(app.study.kasten, 3);
    EXPECT_TRUE(app.frm1.mnukk[2].checked);

    app.study.kasten = 7;  // a fault inside a command ends it without reaching the window
    UiEvent richtig{"cmdrichtig", "Click"};
    EXPECT_NO_THROW(table.dispatch(app, richtig));
}

}  // namespace
}  // namespace memvalo::test
