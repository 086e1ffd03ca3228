#include "document/korvix_doc.h"

#include <filesystem>

namespace korvix {

CKorvixDoc::CKorvixDoc() { m_pages.Add(); }

void CKorvixDoc::SetModifiedFlag(bool modified) {
  if (modified && IsInSamplesFolder()) {
    return;
  }
  m_modified = modified;
}

void CKorvixDoc::DeleteContents() { TakeProject(CKorvixDoc()); }

void CKorvixDoc::TakeProject(CKorvixDoc&& loaded) {
  std::string pathname = std::move(m_pathname);
  std::string samplesfolder = std::move(m_samplesfolder);
  *this = std::move(loaded);
  m_pathname = std::move(pathname);
  m_samplesfolder = std::move(samplesfolder);
  m_modified = false;
}

bool CKorvixDoc::IsInSamplesFolder() const {
  if (m_samplesfolder.empty() || m_pathname.empty()) {
    return false;
  }
  namespace fs = std::filesystem;
  const fs::path samples = (fs::absolute(m_samplesfolder) / ".").lexically_normal().parent_path();
  const fs::path folder = fs::absolute(m_pathname).lexically_normal().parent_path();
  return folder == samples;
}

}  // namespace korvix
