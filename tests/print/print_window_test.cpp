#include <filesystem>

#include "core/platte_an_speicher.h"
#include "files/unsaved_changes.h"
#include "print/print_window.h"
#include "support/app_fixture.h"
#include "support/set_on_disk.h"

namespace memvalo::test {
namespace {

class PrintWindowTest : public AppTest {
  protected:
    FakePrinter& printer = platform.fakePrinter;
    PrintWindowModel f;

    // Boxes 1, 2 and 5 hold cards on disk; the set is open.
    void openSavedSet() {
        app.setPath = dir.path() + "Vokabeln.ldt";
        writeSet(app.setPath, {{card("eins", "one"), card("zwei", "two")},
                               {card("drei", "three")},
                               {},
                               {},
                               {card("fünf", "five")}});
        ASSERT_EQ(platte_an_speicher(app), LoadResult::Loaded);
        markSetSaved(app);
    }
    Texts printedTexts() const {
        Texts texts;
        for (const auto& line : printer.lines) {
            if (!line.text.starts_with("___")) texts.push_back(line.text);
        }
        return texts;
    }
};

TEST_F(PrintWindowTest, TheWindowOffersThePrintersAndTheBoxesThatHoldCards) {
    openSavedSet();
    printer.current = "Tinte";
    ASSERT_TRUE(frmprint_Load(app, f));
    EXPECT_EQ(f.printerNames, (Texts{"Laser", "Tinte", "PDF-Datei"}));
    EXPECT_EQ(f.Combo1.caption + f.cbfgroeße.caption, "Tinte12");
    Texts boxes;
    for (int box = 1; box <= 5; ++box) {
        boxes.push_back(f.optkasten[box].caption + (f.optkasten[box].enabled ? "" : " -"));
    }
    EXPECT_EQ(boxes, (Texts{"Kasten 1", "Kasten 2", "Kasten 3   (leer) -", "Kasten 4   (leer) -",
                            "Kasten 5"}));
    EXPECT_TRUE(f.cmdausdruck.enabled && !f.lblhinweis.visible);

    // No printer installed: "PDF-Datei" is all there is, and chosen; a set without cards
    // leaves nothing to print.
    printer.devices.clear();
    printer.current.clear();
    app.setPath.clear();
    for (Box& box : app.store.boxes) box.clear();
    PrintWindowModel empty;
    ASSERT_TRUE(frmprint_Load(app, empty));
    EXPECT_EQ(empty.printerNames, (Texts{empty.Combo1.caption}));
    EXPECT_EQ(empty.Combo1.caption, "PDF-Datei");
    EXPECT_FALSE(empty.cmdausdruck.enabled);
}

TEST_F(PrintWindowTest, PrintingShowsTheSavedSetAndLeavesUnsavedChangesInMemory) {
    openSavedSet();
    app.store.k(1).append(card("neu", "new"));
    app.store.k(2).remove(1);
    ASSERT_TRUE(frmprint_Load(app, f));
    EXPECT_TRUE(f.lblhinweis.visible);
    EXPECT_TRUE(f.optkasten[2].enabled) << "box 2 still holds its card on disk";
    f.Combo1.caption = "Tinte";
    optkasten_Click(f, 1);
    cmdausdruck_Click(app, f);
    EXPECT_EQ(printedTexts(), (Texts{"eins", "one", "zwei", "two"}));
    EXPECT_EQ(printer.jobs, (Texts{"Tinte"}));
    EXPECT_EQ(printer.current, "Laser") << "the printer chosen before is current again";
    EXPECT_EQ(std::pair(app.store.k(1)[3].frage, app.store.k(2).anz),
              std::pair(std::string("neu"), 0));
    EXPECT_TRUE(hasUnsavedChanges(app));
}

TEST_F(PrintWindowTest, ASetNeverSavedPrintsFromMemoryIntoAPdfFile) {
    app.store.k(3).append(card("Frage", "Antwort"));
    app.frm1.lblinidir.caption = dir.path() + "alt.ldt";
    ASSERT_TRUE(frmprint_Load(app, f));
    f.Combo1.caption = "PDF-Datei";
    optkasten_Click(f, 3);
    platform.fileAnswers.push_back(dir.path() + "karten");
    platform.answers.push_back(Answer::OK);
    cmdausdruck_Click(app, f);
    ASSERT_EQ(platform.saveDialogs.size(), 1u);
    EXPECT_EQ(platform.saveDialogs[0].initialFolder + platform.saveDialogs[0].fileName,
              dir.path() + "Lerndatei Kasten 3.pdf");
    EXPECT_EQ(printer.jobs, (Texts{dir.path() + "karten.pdf"}));
    EXPECT_EQ(printedTexts(), (Texts{"Frage", "Antwort"}));
    EXPECT_EQ(platform.messageTexts().back(),
              "Kasten 3 wurde in die PDF-Datei '" + dir.path() + "karten.pdf' gedruckt.");
}

TEST_F(PrintWindowTest, APrintThatCannotBeDoneSaysWhyAndChangesNothing) {
    const std::string pdf = dir.path() + "k.pdf";
    const struct {
        const char* what;
        std::string entry;
        int box;
        bool refuseBegin;
        bool failEnd;
        std::optional<std::string> pdfAnswer;  // the file dialog's answer, when it is asked
        std::string message;                   // "" when the user cancelled
    } cases[] = {
        {"no box", "Tinte", 0, false, false, {}, "Bitte wählen Sie zuerst den Kasten"},
        {"printer gone", "Weg", 1, false, false, {}, "Der Drucker 'Weg' ist nicht (mehr)"},
        {"refused", "Tinte", 1, true, false, {}, "Der Drucker 'Tinte' nimmt den Druckauftrag"},
        {"job failed", "Tinte", 1, false, true, {}, "Der Druckauftrag an den Drucker 'Tinte'"},
        {"file refused", "PDF-Datei", 1, true, false, pdf, "Die PDF-Datei '" + pdf + "' kann"},
        {"file failed", "PDF-Datei", 1, false, true, pdf, "Die PDF-Datei '" + pdf + "' kann"},
        {"dialog cancelled", "PDF-Datei", 1, false, false, std::nullopt, ""},
    };
    openSavedSet();
    ASSERT_TRUE(frmprint_Load(app, f));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        platform.messages.clear();
        printer.refuseBegin = c.refuseBegin;
        printer.failEnd = c.failEnd;
        f.Combo1.caption = c.entry;
        if (c.box != 0) optkasten_Click(f, c.box);
        if (c.entry == "PDF-Datei") platform.fileAnswers.push_back(c.pdfAnswer);
        if (!c.message.empty()) platform.answers.push_back(Answer::OK);
        cmdausdruck_Click(app, f);
        EXPECT_TRUE(printer.jobs.empty());
        EXPECT_EQ(printer.current, "Laser");
        EXPECT_EQ(f.Combo1.caption, c.entry);
        ASSERT_EQ(platform.messages.size(), c.message.empty() ? 0u : 1u);
        if (!c.message.empty()) {
            EXPECT_TRUE(platform.messages[0].text.starts_with(c.message));
        }
    }
    EXPECT_EQ(app.store.k(1).anz, 2);
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST_F(PrintWindowTest, ASavedSetThatCannotBeReadOpensNoWindow) {
    openSavedSet();
    std::filesystem::remove(dir.path() + "Vokabeln.ldt");
    platform.answers.push_back(Answer::OK);
    EXPECT_FALSE(frmprint_Load(app, f));
    EXPECT_TRUE(platform.messageTexts().back().starts_with(
        "Die gespeicherte Lerndatei kann nicht gelesen werden.\rDie Datei "));
    EXPECT_EQ(app.store.k(1).anz, 2);
}

}  // namespace
}  // namespace memvalo::test
