#include "report/error_protocol.h"

#include "core/utf8.h"
#include "report/err_ptnr.h"

namespace memvalo {

namespace {

constexpr std::string_view kNewLine = "\r\n";
constexpr std::size_t kColumns = 73;
constexpr std::size_t kContinuationIndent = 20;
constexpr std::size_t kTabWidth = 8;

const std::string kIndent(10, ' ');

std::string separator() {
    return std::string(70, '-') + std::string(kNewLine);
}

std::string line(std::string_view text) {
    return std::string(text) + std::string(kNewLine);
}

std::string entry(std::string_view title, std::string_view value) {
    return line(kIndent + std::string(title) + "\t" + std::string(value));
}

std::string expandTabs(const std::string& text) {
    std::u32string out;
    for (char32_t c : utf8::decode(text)) {
        if (c != U'\t') {
            out += c;
            continue;
        }
        do {
            out += U' ';
        } while (out.size() % kTabWidth != 0);
    }
    return utf8::encode(out);
}

// One protocol line, with the blank that ends its last word.
void wrapLine(const std::string& text, std::vector<std::string>& printed) {
    std::size_t columns = 0;
    std::string output;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t blank = text.find(' ', start);
        const std::size_t end = blank == std::string::npos ? text.size() : blank + 1;
        const std::string word = text.substr(start, end - start);
        start = end;
        const std::size_t length = utf8::length(word);
        columns += length;
        if (columns > kColumns) {
            if (!output.empty()) printed.push_back(expandTabs(output));
            output.assign(kContinuationIndent, ' ');
            columns = length;
        }
        output += word;
    }
    if (!output.empty()) printed.push_back(expandTabs(output));
}

}  // namespace

std::string protocolText(ErrPtnrModel& f, const std::string& date, const std::string& time) {
    std::string t = separator();
    t += line("F E H L E R P R O T O K O L L vom ErrorPartner");
    t += separator();
    t += line(utf8::upper(f.framProgInfo.caption));
    t += line(kIndent + f.lblProgInfo.caption);
    t += separator();
    t += line(utf8::upper(f.framFehler.caption));
    for (int i = 0; i < 4; ++i) t += entry(f.lblErrTitel[i].caption, f.lblError[i].caption);
    t += entry("Datum/Uhrzeit:", date + " / " + time);
    t += separator();
    t += line(utf8::upper(f.framCallStack.caption));
    for (const std::string& call : f.callStack) t += line(kIndent + call);
    t += separator();
    t += line("SYSTEMINFO:");
    t += entry("Plattform:", f.system.platform);
    t += entry("Version:", f.system.version);
    t += entry("Build:", f.system.build + "   " + f.system.distribution);
    t += separator();
    return t;
}

std::vector<std::string> protocolPrintLines(std::string_view protocol) {
    std::vector<std::string> printed;
    std::string rest = std::string(protocol) + std::string(kNewLine);
    std::size_t start = 0;
    for (std::size_t end; (end = rest.find(kNewLine, start)) != std::string::npos;
         start = end + kNewLine.size()) {
        wrapLine(rest.substr(start, end - start) + " ", printed);
    }
    return printed;
}

}  // namespace memvalo
