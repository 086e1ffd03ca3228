#pragma once

#include <string>

#include "document/korvix_doc.h"
#include "platform/message_sink.h"

namespace korvix {

// The fields of the "Run-Loop Initialization" dialog.
struct RunLoopInitFields {
  std::string m_initcommands;
  int m_autostart = 0;
  int m_retransmit = 0;
  std::string m_startscript;
  std::string m_exitcommands;
};

RunLoopInitFields RunLoopInitFieldsOf(const CKorvixDoc& doc);

// Commands never hold blanks, and each stands on its own line ended by
// CR LF: blanks go, empty lines go, a non-empty text ends with CR LF. An
// empty text stays empty.
std::string NormaliseCommandText(std::string text);

// OK: trims the start Script, normalises both command texts (the dialog
// shows them so) and checks the start Script's braces. False after a
// message: the focus goes back to the start Script. Whether the Script
// exists is the Run-Loop's to find out when it starts.
bool CheckRunLoopInitFields(MessageSink& sink, RunLoopInitFields& fields);

// Written back on OK only, marking the document modified.
void StoreRunLoopInitFields(CKorvixDoc& doc, const RunLoopInitFields& fields);
void StoreReducedCpu(CKorvixDoc& doc, int reduced);

}  // namespace korvix
