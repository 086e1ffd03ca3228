#include "qtdraw/kept_text.h"

#include <QFontMetrics>
#include <QHash>
#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <vector>

#include "qtdraw/qt_fonts.h"

namespace korvix {

namespace {

// A page shows a few hundred different texts at most; past this many the
// layouts are all dropped and made afresh.
constexpr qsizetype kKeptLayouts = 512;
// Qt's width for a line that is never wrapped.
constexpr qreal kUnwrappedWidth = 0x01000000;
// Qt's mark between the length variants of a text.
constexpr char16_t kLengthVariants = 0x9c;

bool WrapsWords(int flags) { return (flags & (Qt::TextWordWrap | Qt::TextWrapAnywhere)) != 0; }

// Whether drawText's layout of the text is one this repeats exactly.
bool Keepable(const QString& text, int flags, Qt::LayoutDirection direction) {
  const bool mnemonics = (flags & (Qt::TextShowMnemonic | Qt::TextHideMnemonic)) != 0;
  // Latin-1 runs left to right whatever the painter's direction, so the
  // lines need no mirroring.
  return direction != Qt::RightToLeft && !text.isEmpty() && !(mnemonics && text.contains(QLatin1Char('&'))) &&
         std::none_of(text.begin(), text.end(),
                      [](QChar c) { return c.unicode() > 0xff || c.unicode() == kLengthVariants; });
}

// What drawText lays out in place of the stored text.
QString LaidOutString(const QString& text, int flags) {
  QString laid = text;
  const bool singleline = (flags & Qt::TextSingleLine) != 0;
  for (QChar& c : laid) {
    if (c == QLatin1Char('\r') || c == QLatin1Char('\t') || (singleline && c == QLatin1Char('\n')))
      c = QLatin1Char(' ');
    else if (c == QLatin1Char('\n'))
      c = QChar::LineSeparator;
  }
  return laid;
}

struct Key {
  int font;
  int flags;
  int width;
  Qt::LayoutDirection direction;
  QString text;
  friend bool operator==(const Key&, const Key&) = default;
};

std::size_t qHash(const Key& key, std::size_t seed) {
  return qHashMulti(seed, key.font, key.flags, key.width, static_cast<int>(key.direction), key.text);
}

// A part of a text: where it starts and how long it is.
struct Part {
  qsizetype start;
  qsizetype length;
};

// Where drawText breaks the text it laid out into lines: each line without
// its line break and, where a line was wrapped, without the blanks it was
// wrapped at, which drawText counts in no line's width.
std::vector<Part> BreakLines(const QString& laid, int flags, int width, const QFont& font, const QPaintDevice& device,
                             Qt::LayoutDirection direction) {
  QTextLayout layout(laid, font, &device);
  QTextOption option;
  option.setTextDirection(direction);
  option.setAlignment(Qt::AlignLeft);
  layout.setTextOption(option);
  const qreal linewidth = WrapsWords(flags) ? std::max<qreal>(0, width) : kUnwrappedWidth;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) line.setLineWidth(linewidth);
  layout.endLayout();
  std::vector<Part> lines;
  for (int i = 0; i < layout.lineCount(); ++i) {
    const QTextLine line = layout.lineAt(i);
    Part part{line.textStart(), line.textLength()};
    const auto last = [&] { return laid.at(part.start + part.length - 1); };
    if (part.length > 0 && last() == QChar::LineSeparator) {
      --part.length;
    } else if (i + 1 < layout.lineCount()) {
      while (part.length > 0 && last() == QLatin1Char(' ')) --part.length;
    }
    lines.push_back(part);
  }
  return lines;
}

}  // namespace

// A text's lines, each laid out as drawText lays out a text of that one line
// and placed across the area by its own advance as drawText places it, one
// line height below the one before.
struct KeptText::Entry {
  struct Line {
    Line(const QString& text, const QFont& font, const QPaintDevice& device, Qt::LayoutDirection direction, int linetop)
        : layout(text, font, &device), top(linetop) {
      QTextOption option;
      option.setTextDirection(direction);
      option.setAlignment(Qt::AlignLeft);
      layout.setTextOption(option);
      layout.setCacheEnabled(true);
      layout.beginLayout();
      QTextLine line = layout.createLine();
      line.setLineWidth(kUnwrappedWidth);
      layout.endLayout();
      advance = line.horizontalAdvance();
      width = line.naturalTextWidth();
      height = line.ascent() + line.descent();
    }
    QTextLayout layout;
    int top;
    qreal advance = 0;
    qreal width = 0;
    qreal height = 0;
  };

  Entry(const QString& text, int flags, int width, const QFont& font, const QPaintDevice& device,
        Qt::LayoutDirection direction) {
    const int lineheight = LineHeight(QFontMetrics(font, &device));
    int top = 0;
    for (const Part& part : BreakLines(text, flags, width, font, device, direction)) {
      lines.push_back(std::make_unique<Line>(text.mid(part.start, part.length), font, device, direction, top));
      height = top + lines.back()->height;
      top += lineheight;
    }
  }

  std::vector<std::unique_ptr<Line>> lines;
  qreal height = 0;
};

namespace {

std::mutex& Guard() {
  static std::mutex guard;
  return guard;
}

// Never destroyed: layouts hold fonts, which must not outlive the
// application's font database at exit.
QHash<Key, std::shared_ptr<const KeptText::Entry>>& Layouts() {
  static auto* layouts = new QHash<Key, std::shared_ptr<const KeptText::Entry>>();
  return *layouts;
}

// Fonts as the device sees them, numbered in the order first met.
QHash<QString, int>& Fonts() {
  static auto* fonts = new QHash<QString, int>();
  return *fonts;
}

qreal Across(int flags, qreal room, qreal extent) {
  if (flags & Qt::AlignRight) return room - extent;
  if (flags & Qt::AlignHCenter) return (room - extent) / 2;
  return 0;
}

qreal Down(int flags, qreal room, qreal extent) {
  if (flags & Qt::AlignBottom) return room - extent;
  if (flags & Qt::AlignVCenter) return (room - extent) / 2;
  return 0;
}

}  // namespace

int KeptText::FontOf(const QFont& font, const QPaintDevice& device) {
  const std::lock_guard lock(Guard());
  const QString key =
      font.key() +
      QStringLiteral("|%1|%2|%3").arg(device.logicalDpiX()).arg(device.logicalDpiY()).arg(device.devType());
  auto& fonts = Fonts();
  const auto found = fonts.constFind(key);
  if (found != fonts.cend()) return *found;
  const auto number = static_cast<int>(fonts.size());
  fonts.insert(key, number);
  return number;
}

KeptText::KeptText(const QString& text, int flags, int width, int fontnumber, const QFont& font,
                   const QPaintDevice& device, Qt::LayoutDirection direction)
    : m_lock(Guard()), m_flags(flags) {
  if (!Keepable(text, flags, direction)) return;
  auto& layouts = Layouts();
  Key key{fontnumber, flags, WrapsWords(flags) ? width : -1, direction, text};
  if (const auto found = layouts.constFind(key); found != layouts.cend()) {
    m_entry = *found;
    return;
  }
  if (layouts.size() >= kKeptLayouts) layouts.clear();
  m_entry = std::make_shared<const Entry>(LaidOutString(text, flags), flags, width, font, device, direction);
  layouts.insert(std::move(key), m_entry);
}

std::vector<QString> KeptText::Lines(const QString& text, int flags, int width, const QFont& font,
                                     const QPaintDevice& device, Qt::LayoutDirection direction) {
  // The laid-out string keeps every character of the text in its place.
  std::vector<QString> lines;
  for (const Part& part : BreakLines(LaidOutString(text, flags), flags, width, font, device, direction))
    lines.push_back(text.mid(part.start, part.length));
  return lines;
}

QRect KeptText::Bounds(const QRect& area) const {
  const QRectF r(area);
  const qreal down = Down(m_flags, r.height(), m_entry->height);
  QRect bounds;
  for (const auto& line : m_entry->lines) {
    bounds |=
        QRectF(r.x() + Across(m_flags, r.width(), line->width), r.y() + down + line->top, line->width, line->height)
            .toAlignedRect();
  }
  return bounds;
}

void KeptText::Draw(QPainter& painter, const QRect& area) const {
  const QRectF r(area);
  const qreal down = Down(m_flags, r.height(), m_entry->height);
  for (const auto& line : m_entry->lines) {
    line->layout.lineAt(0).draw(&painter,
                                QPointF(r.x() + Across(m_flags, r.width(), line->advance), r.y() + down + line->top));
  }
}

}  // namespace korvix
