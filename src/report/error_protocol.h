#pragma once
// The error protocol: the text the error window prints, saves and puts on the clipboard.
#include <string>
#include <string_view>
#include <vector>

namespace memvalo {

class ErrPtnrModel;

// The protocol of the error on show, made anew each time it is asked for. Its lines end in
// CR LF.
std::string protocolText(ErrPtnrModel& f, const std::string& date, const std::string& time);

// The protocol as printed: words move to a new line once a line passes 73 columns, that line
// indented by 20 blanks; a word longer than that stands on a line of its own. Tabs are set as
// blanks up to the next column of eight.
std::vector<std::string> protocolPrintLines(std::string_view protocol);

}  // namespace memvalo
