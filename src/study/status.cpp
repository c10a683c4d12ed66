#include "study/status.h"

#include <algorithm>

#include "study/number_text.h"

namespace memvalo {

void setProgress(StudyContext& app, int maximum, int value, const std::string& vonText,
                 const std::string& bisText) {
    Control& bar = app.frm1.progress;
    bar.max = maximum;
    bar.value = value;
    bar.caption = vonText;
    bar.text2 = bisText;
}

void status_aktuell(StudyContext& app) {
    CardStore& s = app.store;
    MainWindowModel& w = app.frm1;
    const Box& k1 = s.k(1);
    s.ist[0] = k1.anz;
    w.lblazist[0].caption = paddedNumber(k1.anz);
    w.lblxvony.caption = paddedNumber(k1.pos) + " von " + paddedNumber(k1.anz);
    const int maximum = s.soll.at(static_cast<std::size_t>(app.study.kasten - 1));
    setProgress(app, maximum, k1.pos, paddedNumber(k1.pos) + " von ", paddedNumber(maximum));
}

void progressOfBox5(StudyContext& app) {
    const Box& k5 = app.store.k(5);
    // A bar needs a maximum of at least 1, even for an empty box.
    setProgress(app, std::max(k5.anz, 1), k5.pos, paddedNumber(k5.pos) + " von ",
                paddedNumber(k5.anz));
}

void status5(StudyContext& app) {
    const Box& k5 = app.store.k(5);
    app.frm1.lblxvony.caption = paddedNumber(k5.pos) + " von " + paddedNumber(k5.anz);
    progressOfBox5(app);
}

void refreshProgress(StudyContext& app) {
    CardStore& s = app.store;
    for (int box = 1; box <= 5; ++box) {
        if (!app.frm1.mnukk[box - 1].checked) continue;
        if (box == 5) {
            progressOfBox5(app);
            continue;
        }
        const auto i = static_cast<std::size_t>(box - 1);
        setProgress(app, s.soll[i], s.ist[i], paddedNumber(s.k(box).anz) + " von ",
                    paddedNumber(s.soll[i]));
    }
}

}  // namespace memvalo
