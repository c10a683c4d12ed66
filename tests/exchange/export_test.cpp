#include <filesystem>

#include "exchange/export_file.h"
#include "exchange/export_window.h"
#include "exchange/html_export.h"
#include "exchange/plain_export.h"
#include "support/app_fixture.h"
#include "support/set_on_disk.h"

namespace memvalo::test {
namespace {

const std::string kQuote = "\xC2\xA8";  // a double quote as it is stored

std::string lines(std::initializer_list<std::string> items) {
    std::string text;
    for (const std::string& line : items) text += line + "\r\n";
    return text;
}

// Three cards in box 1, one in box 3, the other boxes empty.
class PlainExport : public ::testing::Test {
  protected:
    PlainExport() {
        store.k(1).append(card("Haus", "house"));
        store.k(1).append(card(" a;b ", "Zeile\r\nzwei"));
        store.k(1).append(card("vierzehnzeiche", "b"));
        store.k(3).append(card("sie sagt " + kQuote + "ja" + kQuote, "yes"));
        store.k(1)[1].zusatz1 = "   ";
        store.k(1)[1].zusatz2 = "Zusatz";
        store.k(3)[1].zusatz2 = "x";
        choice.kaesten = {true, false, true, false, false};
        choice.felder = {true, true, true, true};
    }
    CardStore store;
    ExportChoice choice;
};

TEST_F(PlainExport, TextListing) {
    choice.kaesten = {false, false, true, false, false};
    const std::string stars(60, '*');
    EXPECT_EQ(text_export(store, choice),
              lines({"Frage 1 ( Kasten 3):", "---------------------",
                     "sie sagt " + kQuote + "ja" + kQuote, "--------", "", "Antwort  1", "--------",
                     "yes", "--------", "", "Zusatz 2 zur Frage 1", "--------", "x", "--------", "",
                     stars, ""}));
    choice.kaesten = {true, false, false, false, false};
    choice.felder = {false, true, true, false};
    const std::string listing = text_export(store, choice);
    // A blank extra field is left out, the texts keep their line breaks and blanks.
    EXPECT_EQ(listing.substr(0, listing.find("Antwort  3")),
              lines({"Antwort  1", "--------", "house", "--------", "", stars, "", "Antwort  2",
                     "--------", "Zeile\r\nzwei", "--------", "", stars, ""}));
}

TEST_F(PlainExport, SemicolonAndPrintZoneLines) {
    EXPECT_EQ(csv_export(store, choice),
              lines({"Haus;house;;Zusatz",
                     "a\xC2\xAC"
                     "b;Zeile  zwei;;",
                     "vierzehnzeiche;b;;", "sie sagt " + kQuote + "ja" + kQuote + ";yes;;x"}));
    const auto blanks = [](int n) { return std::string(static_cast<std::size_t>(n), ' '); };
    // A field ending right at a zone start is followed by a whole zone of blanks.
    EXPECT_EQ(tab_export(store, choice),
              lines({"Haus" + blanks(10) + "house" + blanks(23) + "Zusatz",
                     "a\xC2\xAC"
                     "b" +
                         blanks(11) + "Zeile  zwei" + blanks(17),
                     "vierzehnzeiche" + blanks(14) + "b" + blanks(27),
                     "sie sagt " + kQuote + "ja" + kQuote + blanks(1) + "yes" + blanks(25) + "x"}));
    choice.felder = {false, true, false, false};
    EXPECT_EQ(csv_export(store, choice), lines({"house", "Zeile  zwei", "b", "yes"}));
    choice.kaesten.fill(false);
    EXPECT_EQ(csv_export(store, choice), "");
}

TEST(ExportTexts, LineBreaksAndSemicolons) {
    std::string weg = "  lead\r\nend  ";
    std::string html = weg;
    umbruch_weg(weg);
    umbruch_html(html);
    EXPECT_EQ(weg + "|" + html, "  lead  e|  lead<br>\nend");
    EXPECT_EQ(pageTitle("vokabeln.neu.html") + "|" + pageTitle("seite"), "vokabeln.neu|seite");
}

// Only a CSV file with a character Windows-1252 lacks turns to UTF-8, which the import reads.
TEST(ExportTexts, FileBytes) {
    const std::string bom = "\xEF\xBB\xBF";
    const struct {
        const char* format;
        std::string text, bytes;
    } cases[] = {
        {"csv", "Dąb;oak\r\n", bom + "Dąb;oak\r\n"},
        {"csv", "Äpfel;€\r\n", "\xC4pfel;\x80\r\n"},
        {"text", "Dąb\r\n", "D&#261;b\r\n"},
        {"tab", "Dąb\r\n", "D&#261;b\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(exportFileBytes(c.text, *exportFormatNamed(c.format)), c.bytes) << c.text;
}

class HtmlExport : public ::testing::Test {
  protected:
    HtmlExport() {
        store.k(1).append(card("Frage\r\nzwei", "Antwort\r\nzwei"));
        store.k(5).append(card("f5a", "a5a"));
        store.k(5).append(card("f5b", "a5b"));
        choice.autor = "Ich";
    }
    std::string page() const { return html_export(store, choice, "seite", "06.12.2026"); }
    // The part of the page from the first `from` to the first `to` after it.
    std::string part(const std::string& from, const std::string& to) const {
        const std::string p = page();
        const std::size_t start = p.find(from) + from.size();
        return p.substr(start, p.find(to, start) - start);
    }
    CardStore store;
    ExportChoice choice;
};

TEST_F(HtmlExport, ThePageLineByLine) {
    const std::string credit =
        "&copy; <a href=\"https://www.quorbel.de/memvalo/\" target=\"_blank\">Quorbel";
    const std::string font3 = "<p align=\"left\"><font size=\"3\">\r\n";
    const auto heading = [](const std::string& list, int box, bool rule) {
        return "<p align=\"left\">&nbsp;</p>" + std::string(rule ? "<HR>" : "") +
               "<p align=\"left\"><b><font size=\"4\">" + list + " Kasten " + std::to_string(box) +
               ":</font></b></p>\r\n";
    };
    const auto question = [](const std::string& id, const std::string& number,
                             const std::string& text) {
        return lines({"<b><a name=\"frage_" + id + "\"></a>", number + "</b>", "&nbsp;",
                      "<a href=\"#antwort_" + id + "\">", text + "</a><br>"});
    };
    const auto back = [](const std::string& id) {
        return lines({"</font><font size=\"2\"><I>", "<a href=\"#frage_" + id + "\">",
                      "zur&uuml;ck</a>&nbsp;&nbsp;&nbsp;<a href=\"#lernen_oben\" >zum "
                      "Seitenanfang</a></I></font></p>"});
    };
    const auto answer = [&](const std::string& id, const std::string& number,
                            const std::string& text) {
        return lines({"<a name=\"antwort_" + id + "\"></a>", "<B>" + number + "</b><br>",
                      text + "</a><br>"}) +
               back(id);
    };
    const std::string expected =
        lines({"<html>", "<head>",
               "<meta http-equiv=\"content-type\" content=\"text/html; charset=ISO-8859-1\">",
               "<meta name=\"generator\" content=\"Memvalo von Quorbel\">", "</head>",
               "<body bgcolor=\"#E9E3E3\" text=\"black\" link=\"blue\" vlink=\"purple\" "
               "alink=\"red\">",
               "<p align=\"center\"><font size=\"4\" color=\"fuchsia\"><a "
               "name=\"lernen_oben\"></a>Memvalo " +
                   credit +
                   "</a></b></font></p><p align=\"center\"><font size=\"3\" color=\"black\">( "
                   "Autor Lerndaten: Ich,&nbsp;Datei: seite )</b></font></p>"}) +
        heading("Fragen", 1, true) + font3 + question("1_1", "1.1.", "Frage\r\nzwei") +
        heading("Fragen", 2, true) + heading("Fragen", 3, true) + heading("Fragen", 4, true) +
        heading("Fragen", 5, true) + question("5_1", "5.1.", "f5a") +
        question("5_2", "5.2.", "f5b") + lines({"</font></p>", "<HR><BR><HR>"}) +
        heading("Antworten", 1, false) + font3 +
        lines({"<b><a name=\"antwort_1_1\"></a>", "1.1.</b><br>", "Antwort<br>\nzwei</a><br>"}) +
        back("1_1") + heading("Antworten", 2, true) + font3 + heading("Antworten", 3, true) +
        font3 + heading("Antworten", 4, true) + font3 + heading("Antworten", 5, true) + font3 +
        answer("5_1", "5.1.", "a5a") + lines({"<HR align=\"left\" width=\"30%\">"}) +
        answer("5_2", "5.2.", "a5b") +
        lines({"</font></p>", "<HR>", "<P align=\"center\"><B><FONT size=\"1\">am 06.12.2026 ",
               "erzeugt mit &quot;Memvalo&quot; " + credit + "</FONT></B></A></P>",
               "</body></html>"});
    EXPECT_EQ(page(), expected);
}

TEST_F(HtmlExport, OrderRepeatAndParagraphOptions) {
    const std::string blockquote = "<blockquote><font size=+0>\r\n";
    const std::string endquote = "</font></blockquote>\r\n";
    const struct {
        bool reversed, repeat, paragraph;
        std::string question, answer;
    } cases[] = {
        {false, false, true, "<br>\r\n<a href=\"#antwort_1_1\">\r\nFrage<br>\nzwei",
         "1.1.</b><br>\r\nAntwort<br>\nzwei</a><br>\r\n"},
        {false, true, false, "&nbsp;\r\n<a href=\"#antwort_1_1\">\r\nFrage\r\nzwei",
         "1.1.</b><I>\r\n&nbsp;Frage\r\nzwei</I><br>\r\n" + blockquote +
             "Antwort<br>\nzwei</a><br>\r\n" + endquote},
        {false, true, true, "<br>\r\n<a href=\"#antwort_1_1\">\r\nFrage<br>\nzwei",
         "1.1.</b><I>\r\n<br>Frage<br>\nzwei</I><br>\r\n" + blockquote +
             "Antwort<br>\nzwei</a><br>\r\n" + endquote},
        {true, false, false, "&nbsp;\r\n<a href=\"#antwort_1_1\">\r\nAntwort\r\nzwei",
         "1.1.</b><br>\r\nFrage<br>\nzwei</a><br>\r\n"},
        {true, true, false, "&nbsp;\r\n<a href=\"#antwort_1_1\">\r\nAntwort\r\nzwei",
         "1.1.</b><I>&nbsp;Antwort\r\nzwei</I><br>\r\n" + blockquote +
             "Frage<br>\nzwei</a><br>\r\n" + endquote},
        {true, true, true, "<br>\r\n<a href=\"#antwort_1_1\">\r\nAntwort<br>\nzwei",
         "1.1.</b><I><br>Antwort<br>\nzwei</I><br>\r\n" + blockquote +
             "Frage<br>\nzwei</a><br>\r\n" + endquote},
    };
    for (const auto& c : cases) {
        choice.antwortFrage = c.reversed;
        choice.wiederholen = c.repeat;
        choice.absatz = c.paragraph;
        SCOPED_TRACE(testing::Message() << c.reversed << c.repeat << c.paragraph);
        EXPECT_EQ(part("1.1.</b>\r\n", "</a><br>"), c.question);
        EXPECT_EQ(part("<b><a name=\"antwort_1_1\"></a>\r\n", "</font><font size=\"2\">"),
                  c.answer);
    }
}

class ExportWindow : public AppTest {
  protected:
    ExportWindow() {
        app.store.k(1).append(card("Haus", "house"));
        app.store.k(3).append(card("Baum", "tree"));
        app.frm1.lblinidir.caption = dir.file("kurs.ldt");
        frmexport_Load(app, f);
    }
    std::string boxes() const {
        std::string s;
        for (int i = 0; i < 5; ++i) {
            s += f.chkkasten[i].checked ? 'x' : (f.chkkasten[i].enabled ? 'o' : '-');
        }
        return s;
    }
    void choose(const std::string& option) {
        for (Control* c : f.formatOptions) c->checked = c == &f.controls().at(option);
        optformat_Click(app, f);
    }
    ExportWindowModel f;
};

TEST_F(ExportWindow, ChoicesAndTheirEnabling) {
    EXPECT_EQ(boxes(), "x-x--");
    EXPECT_TRUE(f.controls().at("opttext").checked && f.optfa.checked && f.chkallekästen.checked);
    EXPECT_TRUE(f.chkfelder[0].checked && f.chkfelder[1].checked && !f.chkfelder[2].checked);
    EXPECT_FALSE(f.frmhtml.enabled || f.optaf.enabled);

    choose("opthtml");
    EXPECT_TRUE(f.frmhtml.enabled && f.chkwiederholen.enabled && f.optfa.enabled);
    EXPECT_FALSE(f.frkastwahl.enabled || f.chkkasten[0].enabled || f.chkallefelder.enabled);
    f.chkabsatz.checked = true;
    chkabsatz_Click(app, f);
    EXPECT_EQ(app.settings.absatz, 1);

    choose("optcsv");
    EXPECT_EQ(boxes(), "x-x--");
    EXPECT_FALSE(f.frmhtml.enabled);
    f.chkallekästen.checked = false;
    chkallekästen_Click(f);
    EXPECT_EQ(boxes(), "o-o--");
    f.chkallefelder.checked = true;
    chkallefelder_Click(f);
    EXPECT_TRUE(f.chkfelder[2].checked && f.chkfelder[3].checked);

    // The remembered page options come back with the next window.
    app.settings.wiederholen = 1;
    ExportWindowModel next;
    frmexport_Load(app, next);
    EXPECT_TRUE(next.chkabsatz.checked && next.chkwiederholen.checked);
}

TEST_F(ExportWindow, ExportsTellsAndOpensThePageAndAFailedWriteIsNeverReportedAsDone) {
    platform.fileAnswers = {dir.file("fehlt/liste.txt")};
    platform.answers = {Answer::OK};
    cmdexport_Click(app, f);
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_EQ(platform.messages[0].title + ": " + platform.messages[0].text,
              "Memvalo: 76\rPfad nicht gefunden");
    EXPECT_TRUE(f.me.visible);
    EXPECT_FALSE(std::filesystem::exists(dir.file("fehlt")));

    platform.fileAnswers = {std::nullopt, dir.file("liste.csv")};
    choose("optcsv");
    cmdexport_Click(app, f);
    EXPECT_TRUE(f.me.visible);
    platform.answers = {Answer::OK};
    cmdexport_Click(app, f);
    EXPECT_EQ(platform.saveDialogs[2].filter + "|" + platform.saveDialogs[2].initialFolder,
              "Textdatei (*.csv)|*.csv|" + dir.path());
    EXPECT_EQ(dir.read("liste.csv"), "Haus;house\r\nBaum;tree\r\n");
    EXPECT_EQ(platform.messages[1].title + ": " + platform.messages[1].text,
              "Fertig!: Export komplett!");
    EXPECT_FALSE(f.me.visible);
    EXPECT_TRUE(platform.documentsOpened.empty() && platform.busyDepth == 0);

    frmexport_Load(app, f);
    choose("opthtml");
    platform.fileAnswers = {dir.file("seite.html")};
    platform.inputAnswers = {"   "};
    platform.answers = {Answer::OK};
    cmdexport_Click(app, f);
    EXPECT_EQ(platform.saveDialogs[3].filter, "HTML-Dateien (*.html)|*.html");
    EXPECT_EQ(platform.inputs[0].title, "Autor der Lerndatei:");
    EXPECT_NE(dir.read("seite.html").find("( Autor Lerndaten: keine Angabe,&nbsp;Datei: seite )"),
              std::string::npos);
    EXPECT_EQ(platform.documentsOpened, (Texts{dir.file("seite.html")}));
}

}  // namespace
}  // namespace memvalo::test
