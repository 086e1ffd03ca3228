#pragma once

#include <string>

class QWidget;

namespace korvix {

// Where the help pages are installed; set once at start-up.
void SetHelpFolder(const std::string& folder);

// Opens a topic page of the installed help in the desktop's browser; an
// empty `page` opens the start page. Without installed help nothing happens.
void ShowHelpTopic(const std::string& page);

// F1 on `widget` and its children opens `page`.
void AddHelpKey(QWidget* widget, const std::string& page);

}  // namespace korvix
