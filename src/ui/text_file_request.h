#pragma once

#include <functional>
#include <string>

#include "automation/script_text_files.h"
#include "editorloop/editor_loop.h"

class QWidget;

namespace korvix {

// Export or Import served in a list editor's request: the editor takes no
// input while the questions, the "System Busy" window and the messages are
// up, the loop's pump keeps the windows painted and the port read between
// items, and the editor has the focus back however the work ends. `sink`
// must show its messages directly: one shown through the loop would give
// the editor its input back halfway.
TextFileOutcome RunTextFileRequest(ModelessEditor& editor, EditorLoop& loop, QWidget* mainwindow, MessageSink& sink,
                                   const std::string& filename,
                                   const std::function<TextFileOutcome(const TextFileJob&)>& work);

}  // namespace korvix
