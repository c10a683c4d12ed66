// Editing the capacities of the five boxes.
#include "study/capacities.h"

#include "study/study_fixture.h"

namespace memvalo::test {
namespace {

const std::string kZero = "Etwas dürftig... Mehr als NULL sollten es schon sein !";

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
    Texts takeOver(const Texts& values) {
        setFields(values);
        cmdsollübernahme_Click(app);
        return newMessages();
    }
};

TEST_F(CapacityTest, FieldCheckRefusesTooManyTooFewAndZero) {
    const std::string maximum = "Maximale Anzahl liegt bei 2000 !";
    expectAnswers({Answer::OK, Answer::OK, Answer::OK, Answer::OK, Answer::OK, Answer::OK});
    EXPECT_EQ(leaveField(4, "2001"), (Texts{maximum}));
    EXPECT_TRUE(app.frm1.txtazsoll[4].caption.empty() && app.frm1.txtazsoll[4].focusRequested);
    EXPECT_EQ(leaveField(4, "02000"), (Texts{maximum}));
    EXPECT_EQ(leaveField(3, "0"), (Texts{kZero}));
    EXPECT_EQ(leaveField(2, "00"), Texts{});
    fill(2, Texts(17, "k"));
    EXPECT_EQ(leaveField(1, "16"),
              (Texts{" Es sind schon mehr Karten im Kasten!\rMindestanzahl. 17"}));
    EXPECT_EQ(leaveField(1, "17"), Texts{});
    EXPECT_EQ(leaveField(1, "99999").size(), 2u) << "the emptied field also counts as too few";
}

TEST_F(CapacityTest, TakeOverChecksOrderAndAdvisesOnRanges) {
    expectAnswers({Answer::OK});
    EXPECT_EQ(takeOver({"250", "", "850", "1200", "2000"}), (Texts{kZero}));
    EXPECT_EQ(app.store.soll[1], 500) << "a zero capacity is never taken over";
    EXPECT_TRUE(app.frm1.txtazsoll[1].focusRequested && app.frm1.cmdsollübernahme.visible);
    EXPECT_EQ(takeOver({"250", "500", "850", "1200", "2000"}), Texts{});
    EXPECT_FALSE(app.frm1.cmdsollübernahme.visible);
    EXPECT_TRUE(app.frm1.lblkartei.visible && app.frm1.cmdvor.visible);

    mnuazkändern_Click(app);
    EXPECT_FALSE(app.frm1.txtfrage.enabled || app.frm1.cmdvor.visible);
    expectAnswers({Answer::OK});
    EXPECT_EQ(takeOver({"250", "600", "500", "1200", "2000"}),
              (Texts{"Bitte Zahlenwerte überprüfen und neu eingeben ! \r"
                     "Ein größerer Kasten darf nicht weniger Karten enthalten.\r"
                     "Aufsteigende Reihenfolge beachten! "}));
    EXPECT_TRUE(!app.frm1.mnuende.enabled && app.frm1.cmdsollübernahme.visible);

    expectAnswers({Answer::Yes, Answer::No});
    const std::string advice =
        "Karteikasten 1 : Sehr wenig eingetragen! \rKarteikasten 2 : Sehr wenig eingetragen! \r"
        "Karteikasten 3: Sehr wenig eingetragen!\rKarteikasten 4 : Sehr wenig eingetragen!\r"
        "Karteikasten 5 : Sehr wenig eingetragen!\r\rWollen Sie etwas ändern?";
    EXPECT_EQ(takeOver({"20", "60", "80", "120", "200"}), Texts{advice});
    EXPECT_TRUE(app.frm1.mnuende.enabled);
    EXPECT_TRUE(app.frm1.cmdsollübernahme.visible) << "Yes: the learner changes something";
    EXPECT_EQ(takeOver({"20", "60", "80", "120", "200"}), Texts{advice});
    EXPECT_EQ(app.store.soll, (std::array<int, 5>{20, 60, 80, 120, 200}));
    EXPECT_FALSE(app.frm1.cmdsollübernahme.visible);
}

TEST_F(CapacityTest, TakeOverShowsTheNewCapacityOnTheProgressBar) {
    fill(1, {"a", "b"});
    mnueingabe_Click(app);  // entry mode checks no box
    mnuazkändern_Click(app);
    takeOver({"280", "400", "850", "1200", "2000"});
    EXPECT_EQ(progressText() + "/" + std::to_string(app.frm1.progress.max), " 1 von  280/280");
    app.frm1.mnukk[0].checked = true;
    mnuazkändern_Click(app);
    takeOver({"300", "400", "850", "1200", "2000"});
    EXPECT_EQ(progressText() + "/" + std::to_string(app.frm1.progress.max), "2 von 300/300");
}

}  // namespace
}  // namespace memvalo::test
