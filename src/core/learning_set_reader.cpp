#include "core/learning_set_reader.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>

#include "core/codec.h"
#include "core/set_option_table.h"
#include "core/text_encoding.h"

namespace memvalo {

namespace {

// A card text. One written as a plain item may hold a double quote, which a stored text never
// holds: it is stored as the replacement character, as the writer would.
void cardText(std::string& text, std::string_view bytes) {
    text.clear();
    appendUtf8(text, bytes, References::Decode);
    anfuehrung_weg(text);
}

// A card's fields, decoded each straight into its place.
class FieldDecoder {
  public:
    void into(std::string& field, std::string_view bytes) {
        field.clear();
        appendUtf8(field, bytes, References::Decode);
    }
    void text(ItemReader& in, std::string& text) { cardText(text, in.item()); }
    void fixed(ItemReader& in, FixedText& field) {
        scratch_.clear();
        appendUtf8(scratch_, in.item(), References::Decode);
        field = scratch_;
    }

  private:
    std::string scratch_;
};

void readCard(ItemReader& in, int boxNumber, CardRecord& card, FieldDecoder& decode) {
    decode.text(in, card.frage);
    decode.text(in, card.antwort);
    decode.text(in, card.zusatz1);
    decode.text(in, card.zusatz2);
    decode.fixed(in, card.erstellt);
    for (int i = 0; i < CardRecord::datesOfBox(boxNumber); ++i) {
        decode.fixed(in, card.kasten_am[static_cast<std::size_t>(i)]);
    }
    decode.fixed(in, card.falsch);
    decode.into(card.medium, in.lineItem());
}

// Passes over one card's items as readCard reads them (four texts, the date made, the box
// dates, the wrong count, then the media path to the line end), throwing where it would.
void skipCard(ItemReader& in, int boxNumber) {
    in.skip(6 + CardRecord::datesOfBox(boxNumber));
    in.skipLineItem();
}

// How this program wrote a box file it keeps: the form of the counts, and where each card
// starts, in file order.
struct WrittenBy {
    FalschForm form;
    std::vector<std::uint32_t> starts;
};

// A box file's bytes, kept as read; every card in them was found whole when it was loaded.
class StoredBoxFile final : public StoredCards {
  public:
    StoredBoxFile(FileBytes bytes, int boxNumber, std::optional<WrittenBy> written = {})
        : bytes_(std::move(bytes)), boxNumber_(boxNumber), written_(std::move(written)) {}

    void decode(std::uint32_t at, CardRecord& card) const override {
        ItemReader in(bytes_, at);
        FieldDecoder decode;
        readCard(in, boxNumber_, card, decode);
        for (std::size_t i = CardRecord::datesOfBox(boxNumber_); i < card.kasten_am.size(); ++i) {
            card.kasten_am[i] = FixedText();
        }
    }
    // Decoding changes only an "&" that may start a reference and a double quote; a text
    // without either is copied as it stands.
    std::optional<std::array<std::string_view, 2>> texts(
        std::uint32_t at, std::array<std::string, 2>& scratch) const override {
        ItemReader in(bytes_, at);
        std::array<std::string_view, 2> texts = {in.item(), in.item()};
        for (std::size_t i = 0; i < texts.size(); ++i) {
            if (texts[i].find('&') == texts[i].npos && texts[i].find('"') == texts[i].npos) {
                continue;
            }
            std::string text;
            cardText(text, texts[i]);
            scratch[i].clear();
            appendCp1252(scratch[i], text);
            if (scratch[i] != texts[i]) texts[i] = scratch[i];
        }
        return texts;
    }
    std::size_t size() const override { return bytes_.size(); }
    std::string_view bytes() const override { return bytes_; }
    int boxNumber() const override { return boxNumber_; }
    std::size_t writtenEnd(std::uint32_t at, FalschForm form) const override {
        if (!written_ || written_->form != form) return std::string_view::npos;
        const auto next = std::upper_bound(written_->starts.begin(), written_->starts.end(), at);
        return next == written_->starts.end() ? bytes_.size() : *next;
    }

  private:
    FileBytes bytes_;
    int boxNumber_;
    std::optional<WrittenBy> written_;
};

void readOptions(ItemReader& in, SetOptions& options, std::vector<int>& badLines) {
    for (const SetOption& option : setOptionTable()) {
        if (!option.key.empty()) in.line();
        option.read(in, options, badLines);
    }
}

}  // namespace

void readBoxFile(FileBytes bytes, int boxNumber, Box& box) {
    auto stored = std::make_shared<StoredBoxFile>(std::move(bytes), boxNumber);
    ItemReader in(stored->bytes());
    const long count = in.countLine();
    if (count > Box::kSlots) {
        throw FormatError(FormatError::Kind::Malformed, 1,
                          "sie gibt " + std::to_string(count) +
                              " Karten an, ein Kasten fasst höchstens " +
                              std::to_string(Box::kSlots));
    }
    std::vector<std::uint32_t> starts;
    starts.reserve(static_cast<std::size_t>(count));
    for (int slot = 1; slot <= count; ++slot) {
        starts.push_back(static_cast<std::uint32_t>(in.offset()));
        try {
            skipCard(in, boxNumber);
        } catch (const FormatError& e) {
            if (e.kind != FormatError::Kind::Truncated) throw;
            throw FormatError(e.kind, e.line,
                              "Karte " + std::to_string(slot) + " von " + std::to_string(count) +
                                  " – " + e.what());
        }
    }
    if (!in.onlyBlankLinesLeft()) {
        throw FormatError(FormatError::Kind::Malformed, in.lineNumber(),
                          "nach der letzten Karte folgt noch Text");
    }
    box.holdStored(std::move(stored), std::move(starts));
    box.anz = static_cast<int>(count);
}

void holdWrittenBoxFile(std::string_view bytes, int boxNumber, FalschForm form,
                        std::vector<std::uint32_t> starts, Box& box) {
    auto stored =
        std::make_shared<StoredBoxFile>(FileBytes(bytes), boxNumber, WrittenBy{form, starts});
    box.anz = static_cast<int>(starts.size());
    box.holdStored(std::move(stored), std::move(starts));
}

SetOptions readOptionsFile(std::string_view bytes, std::vector<int>& badLines) {
    ItemReader in(bytes);
    SetOptions options;
    try {
        readOptions(in, options, badLines);
    } catch (const FormatError& e) {
        badLines.push_back(e.line);
    }
    return options;
}

std::string firstItem(std::string_view bytes) {
    ItemReader in(bytes.substr(0, 64));
    try {
        return cp1252ToUtf8(in.item());
    } catch (const FormatError&) {
        return {};
    }
}

}  // namespace memvalo
