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
    app.medienverweis = media("breit.GIF");
    // Nearly square: as wide as allowed would be higher than the area; a header may claim
    // anything.
    const struct {
        int width, height, shownWidth, shownHeight;
    } cases[] = {{100, 200, 1500, 3000},
                 {400, 100, 4000, 1000},
                 {400, 350, 3428, 3000},
                 {300000, 299999, 3000, 3000}};
    for (const auto& c : cases) {
        platform.imageSizes[app.medienverweis] = {c.width, c.height};
        anzeige(app);
        EXPECT_TRUE(bild().visible && bild().picture == app.medienverweis);
        EXPECT_EQ(std::pair(bild().geometry.width, bild().geometry.height),
                  std::pair(c.shownWidth, c.shownHeight));
    }
    EXPECT_EQ(platform.busyDepth, 0);
}

TEST_F(AnzeigeTest, ShowsTheShippedPictureForSoundsOthersAndMissingFilesAndIgnoresCase) {
    const std::string sound = media("klang.wav");
    const std::string onDisk = media("Übung.JPG");  // found though its name differs in case
    std::filesystem::create_directories(dir.file("beispiel"));
    app.setPath = dir.file("beispiel/x.ldt");
    // Only the last three characters of a name count.
    for (const auto& [medium, picture] : {std::pair{sound, shipped("sound.jpg")},
                                          {media("notiz.txt"), shipped("leer.jpg")},
                                          {media("foto.jpeg"), shipped("leer.jpg")},
                                          {dir.file("weg.wav"), shipped("fehlt.jpg")},
                                          {dir.file("übung.jpg"), onDisk},
                                          // a name without a folder lies beside the set
                                          {"haus.jpg", media("beispiel/haus.jpg")}}) {
        app.medienverweis = medium;
        anzeige(app);
        EXPECT_EQ(bild().picture, picture) << medium;
        EXPECT_TRUE(bild().visible);
    }
    EXPECT_EQ(platform.played, test::Texts{sound});
}

TEST_F(AnzeigeTest, MarkersAndOptionsStopTheDisplay) {
    app.medienverweis = media("a.jpg");
    app.frm1.cmdfalsch.tag = "1";
    anzeige(app);
    EXPECT_EQ(app.frm1.cmdfalsch.tag, "0");  // consumed: suppresses exactly one redisplay
    EXPECT_FALSE(bild().visible);
    anzeige(app);
    EXPECT_TRUE(bild().visible);

    app.frm1.mnunixbild.checked = true;  // no pictures at all: the picture keeps its state
    app.medienverweis = media("b.wav");
    anzeige(app);
    EXPECT_TRUE(bild().visible);
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
    const ErrorReport& e = platform.errors[0];
    EXPECT_EQ(e.module + "." + e.procedure + " " + std::to_string(e.number), "Module1.anzeige 481");
    EXPECT_FALSE(bild().visible);
    EXPECT_EQ(platform.busyDepth, 0);  // the hourglass never sticks
}

TEST_F(AnzeigeTest, DisplayRulesOfTheTransfers) {
    app.medienverweis = media("c.wav");
    app.store.kds[5].medium = app.store.kds[4].medium = app.medienverweis;
    // Querying shows pictures only when the option is checked and enabled; browsing shows
    // them for box 5 only.
    const struct {
        const char* mode;
        int box;
        bool checked, enabled, plays;
    } cases[] = {{" Abfrage ", 5, false, true, false},
                 {"Blättern", 5, false, true, true},
                 {"Blättern", 4, false, true, false},
                 {" Abfrage ", 4, true, false, false},
                 {" Abfrage ", 4, true, true, true}};
    for (const auto& c : cases) {
        platform.played.clear();
        app.frm1.lblbild.caption = c.mode;
        app.frm1.mnuzeigbild.checked = c.checked;
        app.frm1.mnuzeigbild.enabled = c.enabled;
        kds_an_felder(app, c.box);
        EXPECT_EQ(platform.played.size(), c.plays ? 1u : 0u) << c.mode << c.box << c.enabled;
    }
}

}  // namespace
}  // namespace memvalo
