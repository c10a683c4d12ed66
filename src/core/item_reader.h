#pragma once
// Reads the items of a learning file: a quoted item runs to the next double quote and may
// span lines; a plain item ends at a comma or a line end and loses its outer blanks.
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace memvalo {

// Why a file cannot be read, and the line where that became clear.
struct FormatError : std::runtime_error {
    enum class Kind { Truncated, Malformed };
    FormatError(Kind kind, int line, const std::string& what)
        : std::runtime_error(what), kind(kind), line(line) {}
    Kind kind;
    int line;
};

class ItemReader {
  public:
    // The bytes as stored: every delimiter is ASCII, so the items come out still encoded and
    // each is decoded on its own, never the whole file at once.
    explicit ItemReader(std::string_view text) : text_(text) {}
    // Reads on from `offset`, an item start reached before.
    ItemReader(std::string_view text, std::size_t offset) : text_(text), pos_(offset) {}

    // The items are views into the text, valid while it is.
    // The next item; throws FormatError when the text ends before it or a quote stays open.
    std::string_view item();
    // Passes over the next `count` items as item() reads them, throwing where it would.
    void skip(int count);
    // A line holding a count of 0 or more and nothing else but blanks; anything else is
    // malformed.
    long countLine();
    // The rest of the current line as it stands (the line end is consumed).
    std::string_view line();
    // The rest of the current line, blanks trimmed; a value wrapped in double quotes loses
    // them, so a media path with commas or a leading quote reads back whole.
    std::string_view lineItem();
    // Passes over the rest of the line as lineItem() reads it, throwing where it would.
    void skipLineItem();
    // True when only blanks and line ends are left.
    bool onlyBlankLinesLeft() const;
    // The 1-based line the next item starts on. Counted only when asked, which is mostly for a
    // message: a pass over a whole file then never looks for line ends inside its texts.
    int lineNumber() const;
    // Where the next item starts in the text.
    std::size_t offset() const { return pos_; }

  private:
    bool atEnd() const { return pos_ >= text_.size(); }
    void skipBlanks();
    // Consumes a line end at the current position; false when there is none.
    bool consumeLineEnd();
    std::string_view quoted();
    [[noreturn]] void fail(FormatError::Kind kind, const std::string& what) const;

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace memvalo
