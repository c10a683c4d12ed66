#include "exchange/html_export.h"

#include <array>
#include <charconv>
#include <deque>
#include <initializer_list>
#include <vector>

#include "core/codec.h"
#include "core/maker.h"

namespace memvalo {

namespace {

constexpr std::string_view kNbsp = "&nbsp;";
// The markup a card adds to the page besides its texts, a little more than it takes.
constexpr std::size_t kMarkupPerCard = 512;

// Line breaks become "<br>" and trailing blanks go: both are ASCII, so the text may be UTF-8
// or Windows-1252. The whole text is converted, not only as many characters as it has without
// its outer blanks, so that a text beginning with blanks keeps its end.
void appendBroken(std::string& out, std::string_view text) {
    text = text.substr(0, text.find_last_not_of(' ') + 1);
    for (std::size_t cr; (cr = text.find('\r')) != std::string_view::npos;) {
        out.append(text.data(), cr);
        out += "<br>";
        text.remove_prefix(cr + 1);
    }
    out += text;
}

// A number's digits, worked out once for the places the page shows it.
class Digits {
  public:
    explicit Digits(int number)
        : size_(static_cast<std::size_t>(
              std::to_chars(digits_, digits_ + sizeof digits_, number).ptr - digits_)) {}
    operator std::string_view() const { return {digits_, size_}; }  // NOLINT: reads as text

  private:
    char digits_[12];
    std::size_t size_;
};

// The question and the answer of every card as the page holds them, in Windows-1252, read
// once for both lists. A card still stored is read from its file's bytes, any other decoded
// into one record used again for every card.
class CardTexts {
  public:
    struct Card {
        std::string_view frage, antwort;
    };

    explicit CardTexts(const CardStore& store) {
        CardRecord record;
        std::array<std::string, 2> scratch;
        for (std::size_t i = 0; i < store.boxes.size(); ++i) {
            const Box& box = store.boxes[i];
            boxes_[i].reserve(static_cast<std::size_t>(box.anz));
            for (int slot = 1; slot <= box.anz; ++slot) {
                if (const auto stored = box.storedTexts(slot, scratch)) {
                    boxes_[i].push_back(
                        {kept((*stored)[0], scratch[0]), kept((*stored)[1], scratch[1])});
                    continue;
                }
                const CardRecord& card = box.peek(slot, record);
                boxes_[i].push_back({encoded(card.frage), encoded(card.antwort)});
            }
        }
    }
    // The cards of box 1..5.
    const std::vector<Card>& box(int box) const {
        return boxes_[static_cast<std::size_t>(box - 1)];
    }

  private:
    // A text made in `scratch` is moved where it lasts.
    std::string_view kept(std::string_view text, std::string& scratch) {
        if (text.data() != scratch.data()) return text;
        return made_.emplace_back(std::move(scratch));
    }
    std::string_view encoded(const std::string& text) {
        std::string& bytes = made_.emplace_back();
        appendCp1252(bytes, text);
        return bytes;
    }

    std::array<std::vector<Card>, 5> boxes_;
    // Texts that are not the stored bytes; a deque never moves what it holds.
    std::deque<std::string> made_;
};

// The page, written in its file's encoding as it is put together. Its markup is ASCII and
// stands for itself; texts of the user are UTF-8 and converted on the way in.
class Page {
  public:
    Page(const ExportChoice& choice, std::size_t size) : choice_(choice) { out_.reserve(size); }

    Page& operator<<(std::string_view markup) {
        out_ += markup;
        return *this;
    }
    void end() { out_ += "\r\n"; }
    void text(std::string_view utf8) { appendCp1252(out_, utf8); }

    // The text the question list shows for a card, and the one the answer list shows.
    std::string_view listed(const CardTexts::Card& card) const {
        return choice_.antwortFrage ? card.antwort : card.frage;
    }
    std::string_view answered(const CardTexts::Card& card) const {
        return choice_.antwortFrage ? card.frage : card.antwort;
    }
    // A question-list text: with the paragraph option its line breaks become "<br>".
    void putListed(const CardTexts::Card& card) {
        if (choice_.absatz) {
            appendBroken(out_, listed(card));
        } else {
            out_ += listed(card);
        }
    }
    void putAnswered(const CardTexts::Card& card) { appendBroken(out_, answered(card)); }

    const ExportChoice& choice() const { return choice_; }
    std::string take() { return std::move(out_); }

  private:
    const ExportChoice& choice_;
    std::string out_;
};

// The product's maker, linked to the home page in a window of its own.
std::string makerCredit() {
    return "&copy; <a href=\"" + std::string(kHomePage) + "\" target=\"_blank\">" +
           std::string(kMakerName);
}

std::string lines(std::initializer_list<std::string> items) {
    std::string text;
    for (const std::string& line : items) text += line + "\r\n";
    return text;
}

void head(Page& page, const std::string& title) {
    const ExportChoice& c = page.choice();
    page.text(lines(
        {"<html>", "<head>",
         "<meta http-equiv=\"content-type\" content=\"text/html; charset=ISO-8859-1\">",
         "<meta name=\"generator\" content=\"Memvalo von " + std::string(kMakerName) + "\">",
         "</head>",
         "<body bgcolor=\"#E9E3E3\" text=\"black\" link=\"blue\" vlink=\"purple\" alink=\"red\">",
         "<p align=\"center\"><font size=\"4\" color=\"fuchsia\"><a name=\"lernen_oben\"></a>"
         "Memvalo " +
             makerCredit() +
             "</a></b></font></p><p align=\"center\"><font size=\"3\" color=\"black\">( Autor "
             "Lerndaten: " +
             c.autor + "," + std::string(kNbsp) + "Datei: " + title + " )</b></font></p>"}));
}

void questionList(Page& page, const CardTexts& cards) {
    for (int box = 1; box <= 5; ++box) {
        const Digits b(box);
        page << "<p align=\"left\">" << kNbsp
             << "</p><HR><p align=\"left\"><b><font size=\"4\">Fragen Kasten " << b
             << ":</font></b></p>";
        page.end();
        if (box == 1) page << "<p align=\"left\"><font size=\"3\">\r\n";
        const auto& k = cards.box(box);
        for (int n = 1; n <= static_cast<int>(k.size()); ++n) {
            const CardTexts::Card& card = k[static_cast<std::size_t>(n - 1)];
            const Digits i(n);
            page << "<b><a name=\"frage_" << b << "_" << i << "\"></a>\r\n"
                 << b << "." << i << ".</b>\r\n"
                 << (page.choice().absatz ? "<br>" : kNbsp) << "\r\n<a href=\"#antwort_" << b << "_"
                 << i << "\">\r\n";
            page.putListed(card);
            page << "</a><br>\r\n";
        }
    }
    page << "</font></p>\r\n<HR><BR><HR>\r\n";
}

// The number of an answer, and with the repeat option the question it answers.
void answerNumber(Page& page, const CardTexts::Card& card, int box, const Digits& b,
                  const Digits& i) {
    const ExportChoice& c = page.choice();
    page << (box == 5 ? "<B>" : "") << b << "." << i << ".</b>";
    if (!c.wiederholen) {
        page << "<br>\r\n";
        return;
    }
    page << (c.antwortFrage ? "<I>" : "<I>\r\n");
    if (c.absatz) {
        page << "<br>";
    } else {
        page << kNbsp;
    }
    page.putListed(card);
    page << "</I><br>\r\n";
}

void answerList(Page& page, const CardTexts& cards) {
    const ExportChoice& c = page.choice();
    for (int box = 1; box <= 5; ++box) {
        const Digits b(box);
        page << "<p align=\"left\">" << kNbsp << "</p>" << (box == 1 ? "" : "<HR>")
             << "<p align=\"left\"><b><font size=\"4\">Antworten Kasten " << b
             << ":</font></b></p>\r\n<p align=\"left\"><font size=\"3\">\r\n";
        const auto& k = cards.box(box);
        for (int n = 1; n <= static_cast<int>(k.size()); ++n) {
            const CardTexts::Card& card = k[static_cast<std::size_t>(n - 1)];
            const Digits i(n);
            page << (box == 5 ? "" : "<b>") << "<a name=\"antwort_" << b << "_" << i
                 << "\"></a>\r\n";
            answerNumber(page, card, box, b, i);
            if (c.wiederholen) page << "<blockquote><font size=+0>\r\n";
            page.putAnswered(card);
            page << "</a><br>\r\n";
            if (c.wiederholen) page << "</font></blockquote>\r\n";
            page << "</font><font size=\"2\"><I>\r\n<a href=\"#frage_" << b << "_" << i
                 << "\">\r\nzur&uuml;ck</a>" << kNbsp << kNbsp << kNbsp
                 << "<a href=\"#lernen_oben\" >zum Seitenanfang</a></I></font></p>\r\n";
            if (n < static_cast<int>(k.size())) page << "<HR align=\"left\" width=\"30%\">\r\n";
        }
    }
}

void footer(Page& page, const std::string& today) {
    page.text(
        lines({"</font></p>", "<HR>", "<P align=\"center\"><B><FONT size=\"1\">am " + today + " ",
               "erzeugt mit &quot;Memvalo&quot; " + makerCredit() + "</FONT></B></A></P>",
               "</body></html>"}));
}

// Room for the page: every text at most twice and the markup of every card.
std::size_t pageSize(const CardStore& store) {
    std::size_t size = 4096;
    for (const Box& box : store.boxes) {
        size += 2 * box.sizeHint() + kMarkupPerCard * static_cast<std::size_t>(box.anz);
    }
    return size;
}

}  // namespace

void umbruch_html(std::string& ph) {
    std::string result;
    appendBroken(result, ph);
    ph = std::move(result);
}

std::string pageTitle(const std::string& fileTitle) {
    const std::size_t dot = fileTitle.rfind('.');
    return dot == std::string::npos ? fileTitle : fileTitle.substr(0, dot);
}

std::string html_export(const CardStore& store, const ExportChoice& choice,
                        const std::string& title, const std::string& today) {
    Page page(choice, pageSize(store));
    const CardTexts cards(store);
    head(page, title);
    questionList(page, cards);
    answerList(page, cards);
    footer(page, today);
    return page.take();
}

}  // namespace memvalo
