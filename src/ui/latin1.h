#pragma once

#include <QString>
#include <string>

namespace korvix {

// The core keeps the 8-bit texts that project files hold; Latin-1 maps every
// byte to one character and back, so nothing is lost at the window edge.
inline QString ToQString(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string FromQString(const QString& text);

// Stored texts break lines with "\r" or "\r\n"; widgets want "\n".
QString ToDisplayText(const std::string& text);
// The other way: each "\n" of a multi-line field is stored as "\r\n".
std::string FromDisplayText(const QString& text);

// A window title that shows the text as given: Qt takes "[*]" for the place
// of the modified mark, and a doubled one for the three characters.
QString ToWindowTitle(const std::string& text);

}  // namespace korvix
