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
    EXPECT_EQ(r.frage, "Was heißt ¨Haus¨?");
    EXPECT_EQ(r.antwort, "house\r\n");  // only blanks are trimmed
    EXPECT_EQ(r.zusatz1, "");
    EXPECT_EQ(r.erstellt.text(), "06.12.2026");
    EXPECT_EQ(r.falsch.text(), "3         ");
    EXPECT_EQ(r.medium, "/bilder/haus.jpg");
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

    EXPECT_EQ(w.txtfrage.caption, "Frage");
    EXPECT_EQ(w.lbldatum0.caption, "01.01.2026");
    EXPECT_EQ(w.lbldatum1.caption, "02.01.2026");
    EXPECT_EQ(w.lbldatum2.caption, "03.01.2026");
    EXPECT_EQ(w.lbldatum3.caption, "alt");  // the caller clears dates a shape lacks
    EXPECT_EQ(w.lblfalsch.caption, "0");
    EXPECT_EQ(app.medienverweis, "/x.wav");
}

TEST_F(TransferTest, NormalisingAWorkRecordRepadsFixedFields) {
    CardRecord& r = app.store.kds[5];
    r.antwort = "\"x\"";
    r.erstellt = "  1.1.2026";
    r.kasten_am[3] = " 5.5.2026";
    r.falsch = "  2";
    felder_an_kds(app, 5);
    EXPECT_EQ(r.antwort, "¨x¨");
    EXPECT_EQ(r.erstellt.text(), "1.1.2026  ");
    EXPECT_EQ(r.kasten_am[3].text(), "5.5.2026  ");
    EXPECT_EQ(r.falsch.text(), "2         ");
}

}  // namespace
}  // namespace memvalo
