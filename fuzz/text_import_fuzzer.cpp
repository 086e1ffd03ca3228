// Feeds arbitrary bytes to the Scripts and Conditionals imports. Neither may
// crash or hang, and a file they do not take must leave the project as it
// was, byte for byte and unmarked.

#include <unistd.h>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include "automation/script_text_files.h"
#include "document/project_file.h"
#include "platform/millisecond_clock.h"
#include "platform/text_mem_file.h"

namespace {

class SilentSink final : public korvix::MessageSink {
protected:
  korvix::MessageResult Present(const std::string&, const std::string&, korvix::MessageIcon,
                                korvix::MessageButtons) override {
    return korvix::MessageResult::Yes;
  }
};

korvix::CKorvixDoc Project() {
  korvix::CKorvixDoc doc;
  korvix::ScriptRecord visible;
  visible.idlabel = "Fill";
  visible.steps.Add();
  doc.m_scripts.Add(visible);
  korvix::ScriptRecord action;
  action.idlabel = std::string("Alarm") + korvix::kActionScriptMarker;
  doc.m_scripts.Add(action);
  korvix::ConditionalRecord alarm;
  alarm.idlabel = "Alarm";
  alarm.expression = "{T} > 1";
  doc.m_conditionals.Add(alarm);
  return doc;
}

using Import = korvix::TextFileOutcome (*)(korvix::CKorvixDoc&, const korvix::TextFileJob&, korvix::TextMemFile&);

void Check(const std::string& path, Import import) {
  SilentSink sink;
  korvix::MonotonicClock clock;
  korvix::TextMemFile memfile(sink, clock);
  korvix::CKorvixDoc doc = Project();
  const std::string before = korvix::StoreProject(doc);
  const korvix::TextFileOutcome outcome = import(doc, korvix::TextFileJob{path, sink}, memfile);
  if (outcome != korvix::TextFileOutcome::Done && (doc.IsModified() || korvix::StoreProject(doc) != before)) {
    __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = "/tmp/korvix_text_import_fuzz_" + std::to_string(::getpid()) + ".txt";
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  Check(path, korvix::ImportScripts);
  Check(path, korvix::ImportConditionals);
  return 0;
}
