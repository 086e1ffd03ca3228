#include <charconv>

#include "document/atomic_file.h"
#include "document/project_file.h"
#include "document/project_sections.h"
#include "document/project_writer.h"

namespace korvix {

namespace {

double ProgramVersion() {
  const std::string_view text = kProgramVersionText;
  double version = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), version);
  return version;
}

}  // namespace

std::string StoreProject(CKorvixDoc& doc) {
  doc.m_fileversion = ProgramVersion();
  doc.m_doubleformat = 1;

  ArchiveWriter out;
  ProjectWriter writer(out, doc);
  out.Int(kSectionCount);
  for (int section = 1; section <= kSectionCount; ++section) {
    VisitSection(writer, doc, section);
  }
  return out.TakeData();
}

SaveResult SaveProjectFile(CKorvixDoc& doc, const std::string& path) {
  const std::string error = WriteFileAtomically(path, StoreProject(doc));
  if (!error.empty()) {
    return {false, error};
  }
  doc.SetPathName(path);
  doc.SetModifiedFlag(false);
  return {};
}

}  // namespace korvix
