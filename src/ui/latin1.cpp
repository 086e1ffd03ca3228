#include "ui/latin1.h"

namespace korvix {

std::string FromQString(const QString& text) {
  const QByteArray bytes = text.toLatin1();
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

QString ToDisplayText(const std::string& text) {
  std::string lines;
  lines.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      lines += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      lines += text[i];
    }
  }
  return ToQString(lines);
}

std::string FromDisplayText(const QString& text) {
  std::string stored;
  for (char c : FromQString(text)) {
    if (c == '\n') stored += '\r';
    stored += c;
  }
  return stored;
}

QString ToWindowTitle(const std::string& text) {
  return ToQString(text).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

}  // namespace korvix
