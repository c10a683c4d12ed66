#include "exchange/html_export.h"

#include "core/maker.h"
#include "core/text_encoding.h"

namespace memvalo {

namespace {

const std::string kNbsp = "&nbsp;";

class Page {
  public:
    explicit Page(const ExportChoice& choice) : choice_(choice) {}

    void line(std::string_view text) {
        out_ += text;
        out_ += "\r\n";
    }
    std::string take() { return std::move(out_); }

    // The text the question list shows for a card, and the one the answer list shows.
    const std::string& listed(const CardRecord& card) const {
        return choice_.antwortFrage ? card.antwort : card.frage;
    }
    const std::string& answered(const CardRecord& card) const {
        return choice_.antwortFrage ? card.frage : card.antwort;
    }
    // A question-list text: with the paragraph option its line breaks become "<br>".
    std::string asListed(const CardRecord& card) const {
        std::string text = listed(card);
        if (choice_.absatz) umbruch_html(text);
        return text;
    }

    const ExportChoice& choice() const { return choice_; }

  private:
    const ExportChoice& choice_;
    std::string out_;
};

// The product's maker, linked to the home page in a window of its own.
std::string makerCredit() {
    return "&copy; <a href=\"" + std::string(kHomePage) + "\" target=\"_blank\">" +
           std::string(kMakerName);
}

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string cardId(int box, int n) {
    return std::to_string(box) + "_" + std::to_string(n);
}

void head(Page& page, const std::string& title) {
    const ExportChoice& c = page.choice();
    page.line("<html>");
    page.line("<head>");
    page.line("<meta http-equiv=\"content-type\" content=\"text/html; charset=ISO-8859-1\">");
    page.line("<meta name=\"generator\" content=\"Memvalo von " + std::string(kMakerName) + "\">");
    page.line("</head>");
    page.line(
        "<body bgcolor=\"#E9E3E3\" text=\"black\" link=\"blue\" vlink=\"purple\" "
        "alink=\"red\">");
    page.line(
        "<p align=\"center\"><font size=\"4\" color=\"fuchsia\"><a name=\"lernen_oben\"></a>"
        "Memvalo " +
        makerCredit() +
        "</a></b></font></p><p align=\"center\"><font size=\"3\" color=\"black\">( Autor "
        "Lerndaten: " +
        c.autor + "," + kNbsp + "Datei: " + title + " )</b></font></p>");
}

void questionList(Page& page, const CardStore& store) {
    for (int box = 1; box <= 5; ++box) {
        page.line("<p align=\"left\">" + kNbsp +
                  "</p><HR><p align=\"left\"><b><font size=\"4\">Fragen Kasten " +
                  std::to_string(box) + ":</font></b></p>");
        if (box == 1) page.line("<p align=\"left\"><font size=\"3\">");
        const Box& k = store.k(box);
        for (int n = 1; n <= k.anz; ++n) {
            const std::string id = cardId(box, n);
            page.line("<b><a name=" + quoted("frage_" + id) + "></a>");
            page.line(std::to_string(box) + "." + std::to_string(n) + ".</b>");
            page.line(page.choice().absatz ? "<br>" : kNbsp);
            page.line("<a href=" + quoted("#antwort_" + id) + ">");
            page.line(page.asListed(k[n]) + "</a><br>");
        }
    }
    page.line("</font></p>");
    page.line("<HR><BR><HR>");
}

// The number of an answer, and with the repeat option the question it answers.
void answerNumber(Page& page, const CardRecord& card, int box, int n) {
    const ExportChoice& c = page.choice();
    const std::string number =
        (box == 5 ? std::string("<B>5.") : std::to_string(box) + ".") + std::to_string(n) + ".</b>";
    if (!c.wiederholen) {
        page.line(number + "<br>");
        return;
    }
    const std::string repeated =
        c.absatz ? "<br>" + page.asListed(card) : kNbsp + page.listed(card);
    if (c.antwortFrage) {
        page.line(number + "<I>" + repeated + "</I><br>");
    } else {
        page.line(number + "<I>");
        page.line(repeated + "</I><br>");
    }
}

void answerList(Page& page, const CardStore& store) {
    const ExportChoice& c = page.choice();
    for (int box = 1; box <= 5; ++box) {
        page.line("<p align=\"left\">" + kNbsp + "</p>" + (box == 1 ? "" : "<HR>") +
                  "<p align=\"left\"><b><font size=\"4\">Antworten Kasten " + std::to_string(box) +
                  ":</font></b></p>");
        page.line("<p align=\"left\"><font size=\"3\">");
        const Box& k = store.k(box);
        for (int n = 1; n <= k.anz; ++n) {
            const std::string id = cardId(box, n);
            page.line((box == 5 ? "" : "<b>") + std::string("<a name=") + quoted("antwort_" + id) +
                      "></a>");
            answerNumber(page, k[n], box, n);
            if (c.wiederholen) page.line("<blockquote><font size=+0>");
            std::string entry = page.answered(k[n]);
            umbruch_html(entry);
            page.line(entry + "</a><br>");
            if (c.wiederholen) page.line("</font></blockquote>");
            page.line("</font><font size=\"2\"><I>");
            page.line("<a href=" + quoted("#frage_" + id) + ">");
            page.line("zur&uuml;ck</a>" + kNbsp + kNbsp + kNbsp +
                      "<a href=\"#lernen_oben\" >zum Seitenanfang</a></I></font></p>");
            if (n < k.anz) page.line("<HR align=\"left\" width=\"30%\">");
        }
    }
}

void footer(Page& page, const std::string& today) {
    page.line("</font></p>");
    page.line("<HR>");
    page.line("<P align=\"center\"><B><FONT size=\"1\">am " + today + " ");
    page.line("erzeugt mit &quot;Memvalo&quot; " + makerCredit() + "</FONT></B></A></P>");
    page.line("</body></html>");
}

}  // namespace

// Converting the whole text, not only as many characters as it has without its outer
// blanks, so that a text beginning with blanks keeps its end.
void umbruch_html(std::string& ph) {
    std::string result;
    for (char c : trimTrailingBlanks(ph)) {
        if (c == '\r') {
            result += "<br>";
        } else {
            result += c;
        }
    }
    ph = std::move(result);
}

std::string pageTitle(const std::string& fileTitle) {
    const std::size_t dot = fileTitle.rfind('.');
    return dot == std::string::npos ? fileTitle : fileTitle.substr(0, dot);
}

std::string html_export(const CardStore& store, const ExportChoice& choice,
                        const std::string& title, const std::string& today) {
    Page page(choice);
    head(page, title);
    questionList(page, store);
    answerList(page, store);
    footer(page, today);
    return page.take();
}

}  // namespace memvalo
