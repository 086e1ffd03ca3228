#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "document/old_versions.h"
#include "document/project_file.h"
#include "document/project_reader.h"
#include "document/project_sections.h"

namespace korvix {

namespace {

void ReadSections(std::string_view bytes, CKorvixDoc& fresh)
{
    ArchiveReader in(bytes);
    ProjectReader reader(in, fresh);
    int sections = in.Int();
    if (sections < 0) {
        throw LoadError(LoadStatus::Damaged, kNegativeCountMessage);
    }
    for (int section = 1; section <= kSectionCount && sections > 0; ++section, --sections) {
        VisitSection(reader, fresh, section);
    }
    if (sections != 0 || in.Remaining() != 0) {
        throw LoadError(LoadStatus::NewerVersion, kNewerVersionMessage);
    }
}

}  // namespace

LoadResult LoadProject(std::string_view bytes, CKorvixDoc& doc)
{
    CKorvixDoc fresh;
    try {
        ReadSections(bytes, fresh);
        ConvertOlderVersion(fresh);
    } catch (const LoadError& error) {
        if (error.Status() == LoadStatus::NewerVersion) {
            doc.m_loadfailed = true;
        }
        return {error.Status(), error.what()};
    }
    doc.TakeProject(std::move(fresh));
    return {};
}

LoadResult OpenProjectFile(const std::string& path, CKorvixDoc& doc)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return {LoadStatus::CannotOpen,
                "The project file " + path + " could not be opened: " + std::strerror(errno) + "."};
    }
    std::ostringstream bytes;
    bytes << file.rdbuf();
    if (file.bad()) {
        return {LoadStatus::CannotOpen,
                "The project file " + path + " could not be read: " + std::strerror(errno) + "."};
    }
    LoadResult result = LoadProject(bytes.str(), doc);
    if (result.Ok()) {
        doc.SetPathName(path);
        doc.SetModifiedFlag(false);
    }
    return result;
}

}  // namespace korvix
