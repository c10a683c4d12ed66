#include "core/transfer.h"

#include "core/card_store.h"
#include "support/app_fixture.h"

namespace memvalo {
namespace {

class TransferTest : public test::AppTest {
  protected:
    void SetUp() override {
        app.frm1.lblbild.caption = " Abfrage ";
        app.frm1.mnunixbild.checked = true;  // pictures are not the point here
    }
};

TEST_F(TransferTest, WindowToEntryRecordTrimsAndEncodes) {
    MainWindowModel& w = app.frm1;
    w.txtfrage.caption = "  Was heißt \"Haus\"?  ";
    w.txtantwort.caption = "house\r\n";
    w.txtzusatz1.caption = " ";
    w.txtzusatz2.caption = "z2";
    w.lbldatum0.caption = "  06.12.2026";
    w.lblfalsch.caption = " 3";
    app.medienverweis = "/bilder/haus.jpg";
    felder_an_maskeds(app);

    const CardRecord& r = app.store.maskeds;
    // Only blanks are trimmed.
    EXPECT_EQ((test::Texts{r.frage, r.antwort, r.zusatz1, r.zusatz2, r.erstellt.text(),
                           r.falsch.text(), r.medium}),
              (test::Texts{"Was heißt ¨Haus¨?", "house\r\n", "", "z2", "06.12.2026", "3         ",
                           "/bilder/haus.jpg"}));
}

TEST_F(TransferTest, ACardOfBox3FillsOnlyItsOwnDates) {
    MainWindowModel& w = app.frm1;
    w.lbldatum3.caption = "alt";
    CardRecord& r = app.store.kds[3];
    r.frage = "Frage  ";
    r.erstellt = "01.01.2026";
    r.kasten_am[0] = "02.01.2026";
    r.kasten_am[1] = "03.01.2026";
    r.falsch = "0";
    r.medium = "/x.wav";
    kds_an_felder(app, 3);

    // The caller clears the dates a box lacks.
    EXPECT_EQ(
        (test::Texts{w.txtfrage.caption, w.lbldatum0.caption, w.lbldatum1.caption,
                     w.lbldatum2.caption, w.lbldatum3.caption, w.lblfalsch.caption,
                     app.medienverweis}),
        (test::Texts{"Frage", "01.01.2026", "02.01.2026", "03.01.2026", "alt", "0", "/x.wav"}));
}

TEST_F(TransferTest, NormalisingAWorkRecordRepadsFixedFields) {
    CardRecord& r = app.store.kds[5];
    r.antwort = "\"x\"";
    r.erstellt = "  1.1.2026";
    r.kasten_am[3] = " 5.5.2026";
    r.falsch = "  2";
    felder_an_kds(app, 5);
    EXPECT_EQ((test::Texts{r.antwort, r.erstellt.text(), r.kasten_am[3].text(), r.falsch.text()}),
              (test::Texts{"¨x¨", "1.1.2026  ", "5.5.2026  ", "2         "}));
}

}  // namespace
}  // namespace memvalo
