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
  std::string installfolder = std::move(m_installfolder);
  *this = std::move(loaded);
  m_pathname = std::move(pathname);
  m_installfolder = std::move(installfolder);
  m_modified = false;
}

bool CKorvixDoc::IsInSamplesFolder() const {
  if (m_installfolder.empty() || m_pathname.empty()) {
    return false;
  }
  namespace fs = std::filesystem;
  const fs::path samples = (fs::absolute(m_installfolder) / kSamplesFolderName).lexically_normal();
  const fs::path folder = fs::absolute(m_pathname).lexically_normal().parent_path();
  return folder == samples;
}

}  // namespace korvix
