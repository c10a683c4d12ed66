#pragma once
// An App with cards filled straight into its boxes, and short ways to press through a query.
#include <string>
#include <vector>

#include "study/answer.h"
#include "study/box_choice.h"
#include "study/modes.h"
#include "study/reveal.h"
#include "support/app_fixture.h"

namespace memvalo::test {

class StudyTest : public AppTest {
  protected:
    StudyTest() { app.frm1.mnuklang.checked = false; }

    static CardRecord card(const std::string& name, int box = 1) {
        CardRecord c;
        c.frage = name + "?";
        c.antwort = name;
        c.zusatz1 = name + "-z1";
        c.zusatz2 = name + "-z2";
        c.erstellt = "01.01.2026";
        for (int d = 0; d < box - 1; ++d) c.kasten_am[d] = "0" + std::to_string(d + 2) + ".01.2026";
        c.falsch = "0";
        c.medium = "/bilder/" + name + ".jpg";
        return c;
    }

    // Puts cards into a box as a loaded set has them: counts shown, position at the end.
    void fill(int box, const std::vector<std::string>& names) {
        Box& k = app.store.k(box);
        for (const std::string& n : names) ASSERT_TRUE(k.append(card(n, box)));
        k.pos = box == 1 ? 1 : k.anz;
        app.store.ist[box - 1] = k.anz;
        app.frm1.lblazist[box - 1].caption = " " + std::to_string(k.anz);
    }

    std::vector<std::string> answersIn(int box) const {
        std::vector<std::string> out;
        const Box& k = app.store.k(box);
        for (int i = 1; i <= k.anz; ++i) out.push_back(k[i].antwort);
        return out;
    }

    // From entry mode into query mode, then box `box`; the test queues the answers.
    void queryBox(int box) {
        mnueingabe_Click(app);
        mnuzufall_Click(app);
        choose(box);
    }
    // Opens the box menu and chooses box `box`.
    void choose(int box) {
        mnukastwahl_Click(app);
        ASSERT_TRUE(app.frm1.mnukk[box - 1].enabled) << "box " << box;
        mnukk_Click(app, box - 1);
    }
    void expectAnswers(std::initializer_list<Answer> answers) {
        platform.answers.insert(platform.answers.end(), answers);
    }

    void pressRight() {
        cmdantwort_Click(app);
        cmdrichtig_Click(app);
    }
    void pressWrong() {
        cmdantwort_Click(app);
        cmdfalsch_Click(app);
    }

    // The texts of the message boxes since the last call.
    std::vector<std::string> newMessages() {
        std::vector<std::string> out;
        for (std::size_t i = seen_; i < platform.messages.size(); ++i) {
            out.push_back(platform.messages[i].text);
        }
        seen_ = platform.messages.size();
        return out;
    }

    // Which of the three query buttons are visible: "A" reveal, "R" correct, "F" wrong.
    std::string buttons() const {
        const MainWindowModel& w = app.frm1;
        return std::string(w.cmdantwort.visible ? "A" : "") + (w.cmdrichtig.visible ? "R" : "") +
               (w.cmdfalsch.visible ? "F" : "");
    }

    std::string progressText() const { return app.frm1.progress.caption + app.frm1.progress.text2; }

  private:
    std::size_t seen_ = 0;
};

}  // namespace memvalo::test
