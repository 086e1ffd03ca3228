#pragma once

#include <string>

#include "app/help_topic.h"

class QWidget;

namespace korvix {

class CHelpWindow;

// Where the help pages are; set once at start-up.
void SetHelpFolder(const HelpPlace& place);

// Opens a topic page in the program's help window, which says so when the
// page cannot be shown; an empty `page` opens the start page.
void ShowHelpTopic(const std::string& page);

// F1 on `widget` and its children opens `page`.
void AddHelpKey(QWidget* widget, const std::string& page);

// The one help window, made when first asked for.
CHelpWindow& HelpWindow();

}  // namespace korvix
