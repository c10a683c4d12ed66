#include "ui/access_keys.h"

#include <set>

namespace memvalo {

namespace {

constexpr QChar kMark = QLatin1Char('&');

// The index of the letter a single "&" marks; -1 when there is none ("&&" is a plain "&").
qsizetype markedIndex(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != kMark) continue;
        if (caption[i + 1] != kMark) return i + 1;
        ++i;
    }
    return -1;
}

bool startsWord(const QString& text, qsizetype i) {
    return i == 0 || QStringLiteral(" /-(").contains(text[i - 1]);
}

// The first letter of the text that no other entry uses, word beginnings first; -1 if none.
qsizetype freeLetter(const QString& text, const std::set<QChar>& used) {
    for (const bool wordStart : {true, false}) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (!text[i].isLetterOrNumber() || used.count(text[i].toUpper())) continue;
            if (!wordStart || startsWord(text, i)) return i;
        }
    }
    return -1;
}

}  // namespace

std::vector<QString> withUniqueAccessKeys(const std::vector<QString>& captions) {
    std::vector<QString> out = captions;
    std::set<QChar> used;
    std::vector<std::size_t> moving;
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const qsizetype marked = markedIndex(captions[i]);
        if (marked < 0) continue;
        if (!used.insert(captions[i][marked].toUpper()).second) moving.push_back(i);
    }
    for (const std::size_t i : moving) {
        QString text = captions[i];
        text.remove(markedIndex(text) - 1, 1);
        const qsizetype letter = freeLetter(text, used);
        if (letter >= 0) {
            used.insert(text[letter].toUpper());
            text.insert(letter, kMark);
        }
        out[i] = text;
    }
    return out;
}

}  // namespace memvalo
