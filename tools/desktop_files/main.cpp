// korvix_desktop_files: writes the desktop entry and the MIME package that
// install with the program, from the same code that writes them for one
// user, so that the two never differ but for the program's path.
//
//   korvix_desktop_files EXECUTABLE FOLDER
//
// EXECUTABLE is where the program will be installed; FOLDER receives
// korvix.desktop and korvix.xml. Exit status 0 done, 2 a file could not be
// written or bad usage.

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#include "app/desktop_integration.h"

namespace {

bool Write(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  if (out) return true;
  std::cerr << "korvix_desktop_files: " << path << ": " << std::strerror(errno) << '\n';
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: korvix_desktop_files EXECUTABLE FOLDER\n";
    return 2;
  }
  const std::string folder = argv[2];
  const bool written = Write(folder + "/korvix.desktop", korvix::DesktopEntryText(argv[1])) &&
                       Write(folder + "/korvix.xml", korvix::MimePackageText());
  return written ? 0 : 2;
}
