#pragma once
// What the protocol buttons of the error window do with the protocol.
#include <string>

#include "files/files_context.h"

namespace memvalo {

class ErrPtnrModel;

// On the current printer, or into a PDF file where no printer is installed.
void printProtocol(FilesContext& app, ErrPtnrModel& f);
// Into the program's ".ERR" file, after asking before an older one is overwritten.
void saveProtocol(FilesContext& app, ErrPtnrModel& f);
// Onto the clipboard, and a new e-mail to the support address.
void mailProtocol(FilesContext& app, ErrPtnrModel& f);
// Onto the clipboard, and the maker's home page in the browser.
void showHomePage(FilesContext& app, ErrPtnrModel& f);

// Where the protocol is saved: the program folder, or the data folder when the program folder
// cannot be written (an installed program's folder belongs to the system).
std::string protocolFilePath(const FilesContext& app);

}  // namespace memvalo
