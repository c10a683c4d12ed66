#include "core/anzeige.h"

#include <filesystem>

#include "core/transfer.h"
#include "support/app_fixture.h"

namespace memvalo {
namespace {

class AnzeigeTest : public test::AppTest {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(app.paths.programFolder);
        app.frm1.lblbild.caption = "Eingabe";
        app.hoehenlimit = 3000;
        app.breitenlimit = 4000;
        app.frm1.bildbox.visible = false;
    }
    std::string media(const std::string& name) {
        dir.write(name, "x");
        return dir.file(name);
    }
    const Control& bild() const { return app.frm1.bildbox; }
    std::string shipped(const std::string& name) const { return app.paths.programFolder + name; }
};

TEST_F(AnzeigeTest, FitsPortraitToTheHeightAndLandscapeToTheWidth) {
    app.medienverweis = media("hoch.jpg");
    platform.imageSizes[app.medienverweis] = {100, 200};
    anzeige(app);
    EXPECT_TRUE(bild().visible);
    EXPECT_EQ(bild().picture, app.medienverweis);
    EXPECT_EQ(bild().geometry.height, 3000);
    EXPECT_EQ(bild().geometry.width, 1500);

    app.medienverweis = media("breit.GIF");
    platform.imageSizes[app.medienverweis] = {400, 100};
    anzeige(app);
    EXPECT_EQ(bild().geometry.width, 4000);
    EXPECT_EQ(bild().geometry.height, 1000);

    // Nearly square: as wide as allowed would be higher than the area.
    platform.imageSizes[app.medienverweis] = {400, 350};
    anzeige(app);
    EXPECT_EQ(bild().geometry.height, 3000);
    EXPECT_EQ(bild().geometry.width, 3428);

    platform.imageSizes[app.medienverweis] = {300000, 299999};  // a header may claim anything
    anzeige(app);
    EXPECT_EQ(bild().geometry.height, 3000);
    EXPECT_EQ(bild().geometry.width, 3000);
    EXPECT_EQ(platform.busyDepth, 0);
}

TEST_F(AnzeigeTest, ShowsTheShippedPictureForSoundsOthersAndMissingFilesAndIgnoresCase) {
    app.medienverweis = media("klang.wav");
    anzeige(app);
    EXPECT_EQ(bild().picture, shipped("sound.jpg"));
    ASSERT_EQ(platform.played.size(), 1u);
    EXPECT_EQ(platform.played[0], app.medienverweis);

    app.medienverweis = media("notiz.txt");
    anzeige(app);
    EXPECT_EQ(bild().picture, shipped("leer.jpg"));

    app.medienverweis = media("foto.jpeg");  // only the last three characters count
    anzeige(app);
    EXPECT_EQ(bild().picture, shipped("leer.jpg"));

    app.medienverweis = dir.file("weg.wav");
    anzeige(app);
    EXPECT_EQ(bild().picture, shipped("fehlt.jpg"));
    EXPECT_TRUE(bild().visible);
    EXPECT_EQ(platform.played.size(), 1u);

    const std::string onDisk = media("Übung.JPG");  // found though its name differs in case
    app.medienverweis = dir.file("übung.jpg");
    anzeige(app);
    EXPECT_EQ(bild().picture, onDisk);
}

TEST_F(AnzeigeTest, MarkersAndOptionsStopTheDisplay) {
    app.medienverweis = media("a.jpg");
    app.frm1.cmdfalsch.tag = "1";
    anzeige(app);
    EXPECT_EQ(app.frm1.cmdfalsch.tag, "0");  // consumed: suppresses exactly one redisplay
    EXPECT_FALSE(bild().visible);
    anzeige(app);
    EXPECT_TRUE(bild().visible);

    app.frm1.bildbox.visible = true;
    app.frm1.mnunixbild.checked = true;  // no pictures at all: the picture keeps its state
    app.medienverweis = media("b.wav");
    anzeige(app);
    EXPECT_TRUE(bild().visible);
    EXPECT_TRUE(platform.played.empty());

    app.frm1.mnunixbild.checked = false;
    app.frm1.me.tag = "1";  // the window is still being set up
    anzeige(app);
    EXPECT_TRUE(platform.played.empty());
}

TEST_F(AnzeigeTest, AnUndecodablePictureGoesToTheErrorWindow) {
    app.medienverweis = media("kaputt.bmp");
    platform.undecodable.push_back(app.medienverweis);
    platform.errorChoices = {ErrorChoice::Retry, ErrorChoice::Leave};
    anzeige(app);
    ASSERT_EQ(platform.errors.size(), 2u);
    EXPECT_EQ(platform.errors[0].procedure, "anzeige");
    EXPECT_EQ(platform.errors[0].module, "Module1");
    EXPECT_EQ(platform.errors[0].number, 481);
    EXPECT_FALSE(bild().visible);
    EXPECT_EQ(platform.busyDepth, 0);  // the hourglass never sticks
}

TEST_F(AnzeigeTest, DisplayRulesOfTheTransfers) {
    app.medienverweis = media("c.wav");
    app.store.kds[5].medium = app.medienverweis;
    app.frm1.lblbild.caption = " Abfrage ";
    kds_an_felder(app, 5);  // querying without pictures: nothing is shown
    EXPECT_TRUE(platform.played.empty());

    app.frm1.lblbild.caption = "Blättern";
    kds_an_felder(app, 5);  // browsing box 5 shows pictures
    EXPECT_EQ(platform.played.size(), 1u);

    app.store.kds[4].medium = app.medienverweis;
    kds_an_felder(app, 4);  // but browsing is a box-5 matter only
    EXPECT_EQ(platform.played.size(), 1u);

    app.frm1.lblbild.caption = " Abfrage ";
    app.frm1.mnuzeigbild.checked = true;
    app.frm1.mnuzeigbild.enabled = false;
    kds_an_felder(app, 4);  // checked but disabled does not count
    EXPECT_EQ(platform.played.size(), 1u);
    app.frm1.mnuzeigbild.enabled = true;
    kds_an_felder(app, 4);
    EXPECT_EQ(platform.played.size(), 2u);
}

}  // namespace
}  // namespace memvalo
