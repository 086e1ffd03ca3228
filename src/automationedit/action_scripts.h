#pragma once

#include <string>
#include <string_view>

#include "document/korvix_doc.h"
#include "platform/message_sink.h"

namespace korvix {

// A Conditional's steps live in a Script labelled with the Conditional's
// label followed by the marker byte. It is always looked up again by that
// exact label, since an index held across a nested editor or a message box
// may name another Script by then.
std::string ActionScriptLabel(std::string_view conditionallabel);

// The first Script labelled exactly so; -1 when there is none.
int FindActionScript(const CKorvixDoc& doc, std::string_view conditionallabel);

// The Conditional's action Script, created empty (and the document marked
// modified) when project data made elsewhere left it out; -1 after the
// Scripts' Over Limit text when there is no room for it.
int EnsureActionScript(CKorvixDoc& doc, MessageSink& sink, int conditional);

// Gives the Conditional and its action Script, if any, the new label.
void RenameConditional(CKorvixDoc& doc, int conditional, const std::string& label);

// The Over Limit refusals of a list request that adds a Conditional with its
// action Script: the Conditionals' limit first, then the Scripts'.
bool RefusedForConditionalLimits(const CKorvixDoc& doc, MessageSink& sink);

}  // namespace korvix
