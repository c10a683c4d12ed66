// Editing the capacities of the five boxes.
#include "study/capacities.h"

#include "study/study_fixture.h"

namespace memvalo::test {
namespace {

class CapacityTest : public StudyTest {
  protected:
    CapacityTest() {
        mnuazkändern_Click(app);
        setFields({"250", "500", "850", "1200", "2000"});
    }
    void setFields(const Texts& values) {
        for (int i = 0; i < 5; ++i) app.frm1.txtazsoll[i].caption = values[std::size_t(i)];
    }
    // Types `text` into field `index` and leaves it.
    Texts leaveField(int index, const std::string& text) {
        app.frm1.txtazsoll[index].caption = text;
        txtazsoll_LostFocus(app, index);
        return newMessages();
    }
};

TEST_F(CapacityTest, FieldCheckRefusesTooManyTooFewAndZero) {
    const std::string maximum = "Maximale Anzahl liegt bei 2000 !";
    expectAnswers({Answer::OK, Answer::OK, Answer::OK});
    EXPECT_EQ(leaveField(4, "2001"), (Texts{maximum}));
    EXPECT_EQ(app.frm1.txtazsoll[4].caption, "");
    EXPECT_TRUE(app.frm1.txtazsoll[4].focusRequested);
    EXPECT_EQ(leaveField(4, "02000"), (Texts{maximum}));
    EXPECT_EQ(leaveField(3, "0"),
              (Texts{"Etwas dürftig... Mehr als NULL sollten es schon sein !"}));
    EXPECT_EQ(leaveField(2, "00"), Texts{});

    Texts seventeen(17, "k");
    fill(2, seventeen);
    expectAnswers({Answer::OK});
    EXPECT_EQ(leaveField(1, "16"),
              (Texts{" Es sind schon mehr Karten im Kasten!\rMindestanzahl. 17"}));
    EXPECT_EQ(leaveField(1, "17"), Texts{});
    expectAnswers({Answer::OK, Answer::OK});
    EXPECT_EQ(leaveField(1, "99999").size(), 2u) << "the emptied field also counts as too few";
}

TEST_F(CapacityTest, TakeOverChecksOrderAndAdvisesOnRanges) {
    setFields({"250", "", "850", "1200", "2000"});
    expectAnswers({Answer::OK});
    cmdsollübernahme_Click(app);
    EXPECT_EQ(newMessages(), (Texts{"Etwas dürftig... Mehr als NULL sollten es schon sein !"}));
    EXPECT_EQ(app.store.soll[1], 500) << "a zero capacity is never taken over";
    EXPECT_TRUE(app.frm1.txtazsoll[1].focusRequested && app.frm1.cmdsollübernahme.visible);

    setFields({"250", "500", "850", "1200", "2000"});
    cmdsollübernahme_Click(app);
    EXPECT_EQ(newMessages(), Texts{});
    EXPECT_FALSE(app.frm1.cmdsollübernahme.visible);
    EXPECT_TRUE(app.frm1.lblkartei.visible && app.frm1.cmdvor.visible);

    mnuazkändern_Click(app);
    EXPECT_FALSE(app.frm1.txtfrage.enabled || app.frm1.cmdvor.visible);
    setFields({"250", "600", "500", "1200", "2000"});
    expectAnswers({Answer::OK});
    cmdsollübernahme_Click(app);
    EXPECT_EQ(newMessages(), (Texts{"Bitte Zahlenwerte überprüfen und neu eingeben ! \r"
                                    "Ein größerer Kasten darf nicht weniger Karten enthalten.\r"
                                    "Aufsteigende Reihenfolge beachten! "}));
    EXPECT_FALSE(app.frm1.mnuende.enabled);
    EXPECT_TRUE(app.frm1.cmdsollübernahme.visible);

    setFields({"20", "60", "80", "120", "200"});
    expectAnswers({Answer::Yes, Answer::No});
    cmdsollübernahme_Click(app);
    EXPECT_TRUE(app.frm1.mnuende.enabled);
    EXPECT_TRUE(app.frm1.cmdsollübernahme.visible) << "Yes: the learner changes something";
    cmdsollübernahme_Click(app);
    const std::string advice =
        "Karteikasten 1 : Sehr wenig eingetragen! \rKarteikasten 2 : Sehr wenig eingetragen! \r"
        "Karteikasten 3: Sehr wenig eingetragen!\rKarteikasten 4 : Sehr wenig eingetragen!\r"
        "Karteikasten 5 : Sehr wenig eingetragen!\r\rWollen Sie etwas ändern?";
    EXPECT_EQ(newMessages(), (Texts{advice, advice}));
    EXPECT_EQ(app.store.soll, (std::array<int, 5>{20, 60, 80, 120, 200}));
    EXPECT_FALSE(app.frm1.cmdsollübernahme.visible);
}

TEST_F(CapacityTest, TakeOverShowsTheNewCapacityOnTheProgressBar) {
    fill(1, {"a", "b"});
    mnueingabe_Click(app);  // entry mode checks no box
    mnuazkändern_Click(app);
    setFields({"280", "400", "850", "1200", "2000"});
    cmdsollübernahme_Click(app);
    EXPECT_EQ(progressText(), " 1 von  280");
    EXPECT_EQ(app.frm1.progress.max, 280);

    app.frm1.mnukk[0].checked = true;
    mnuazkändern_Click(app);
    setFields({"300", "400", "850", "1200", "2000"});
    cmdsollübernahme_Click(app);
    EXPECT_EQ(progressText(), "2 von 300");
    EXPECT_EQ(app.frm1.progress.max, 300);
}

}  // namespace
}  // namespace memvalo::test
