#pragma once
// The learning set as one HTML page for reading and self-testing in a browser: the questions
// of boxes 1 to 5, each a link to its answer, then the answers with links back.
#include <string>

#include "core/card_store.h"
#include "exchange/export_choice.h"

namespace memvalo {

// Line breaks become "<br>" (each CR LF "<br>" and LF); trailing blanks are dropped.
void umbruch_html(std::string& ph);

// The page title of a file title: the name up to its last ".".
std::string pageTitle(const std::string& fileTitle);

// The page's file bytes: Windows-1252, other characters as "&#N;", CR LF line ends; `today` is
// "DD.MM.YYYY".
std::string html_export(const CardStore& store, const ExportChoice& choice,
                        const std::string& title, const std::string& today);

}  // namespace memvalo
