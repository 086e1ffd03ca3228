#include "ui/text_file_request.h"

#include "ui/system_busy_dlg.h"

namespace korvix {

TextFileOutcome RunTextFileRequest(ModelessEditor& editor, EditorLoop& loop, QWidget* mainwindow, MessageSink& sink,
                                   const std::string& filename,
                                   const std::function<TextFileOutcome(const TextFileJob&)>& work) {
  editor.DisableWindow();
  TextFileOutcome outcome;
  {
    CSystemBusyDlg busy(mainwindow);
    outcome = work(TextFileJob{filename, sink, &busy, [&loop] { return loop.PumpStep(); }});
  }
  editor.EnableWindowAndFocus();
  return outcome;
}

}  // namespace korvix
