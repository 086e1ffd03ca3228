#include "render/chart/chart_traces.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "recording/time_stamps.h"
#include "render/chart/chart_steps.h"
#include "render/chart/chart_texts.h"
#include "texts/number_texts.h"

namespace korvix {

namespace {

// A gap of more columns than this is drawn as if it were this long: the
// line into the area keeps its place, and coordinates stay far from any
// overflow.
constexpr double kFarColumns = 1 << 20;

// Powers of ten up to the largest that a double holds exactly, read from a
// table: a recorder reads a value of every field of every sample it shows.
constexpr std::array<double, 23> kTens = [] {
  std::array<double, 23> tens{};
  double ten = 1;
  for (double& t : tens) {
    t = ten;
    ten *= 10;
  }
  return tens;
}();

double NumberOf(std::string_view text) {
  NumberTexts texts;
  const double n = texts.ParseNumberText(text);
  const auto decimals = static_cast<std::size_t>(texts.m_decimals);
  return n / (decimals < kTens.size() ? kTens[decimals] : std::pow(10.0, texts.m_decimals));
}

// One record's fields. They point into the memory where the record lies in
// one piece, as nearly all do, and into `joined` where it does not.
struct Record {
  std::vector<std::string_view> fields;
  std::string joined;
};

// Splits [start, end) at its commas.
void SplitFields(const char* start, const char* end, Record& record) {
  record.fields.clear();
  for (const char* field = start;;) {
    const char* comma = static_cast<const char*>(std::memchr(field, ',', static_cast<std::size_t>(end - field)));
    const char* stop = comma != nullptr ? comma : end;
    record.fields.emplace_back(field, static_cast<std::size_t>(stop - field));
    if (comma == nullptr) return;
    field = comma + 1;
  }
}

// The memory as a ring of records between oldestrec and writepos.
class RecordRing {
public:
  RecordRing(const ChartMemory& memory, const ChartMemoryBooks& books)
      : m_bytes(memory.Bytes()),
        m_length(m_bytes.size()),
        m_wrapped(books.wrapped != 0),
        m_oldest(static_cast<std::size_t>(books.oldestrec)),
        m_write(static_cast<std::size_t>(books.writepos)) {}

  bool BooksFit() const { return m_oldest < m_length && m_write <= m_length && (m_wrapped || m_oldest <= m_write); }
  std::size_t Oldest() const { return m_oldest; }
  std::size_t Write() const { return m_write; }
  bool IsRecordStart(std::size_t p) const {
    return p == m_oldest || (p < m_length && p != m_write && m_bytes[Back(p)] == '\n');
  }

  // Reads the record at p; returns where the next one starts. A record runs
  // to its LF; a comma ends a field, and CRs are no part of any.
  std::size_t Read(std::size_t p, Record& record) const {
    // Most records lie in one piece before the write position or the end.
    const std::size_t limit = p < m_write ? m_write : m_length;
    const char* start = m_bytes.data() + p;
    if (const void* lf = std::memchr(start, '\n', limit - p)) {
      const char* end = static_cast<const char*>(lf);
      const char* text = end > start && end[-1] == '\r' ? end - 1 : end;
      if (std::memchr(start, '\r', static_cast<std::size_t>(text - start)) == nullptr) {
        SplitFields(start, text, record);
      } else {
        record.joined.assign(start, text);
        std::erase(record.joined, '\r');
        SplitFields(record.joined.data(), record.joined.data() + record.joined.size(), record);
      }
      return Forward(static_cast<std::size_t>(end - m_bytes.data()));
    }
    return ReadAcross(p, record);
  }

  // The start of the record before the one at p (p is not the oldest).
  ChartWalk StepBack(std::size_t p, std::size_t& previous) const {
    if (p == 0 && !m_wrapped) return ChartWalk::SeekFault;
    std::size_t q = Back(p);
    for (std::size_t n = 0; n < m_length; ++n) {
      if (q == m_oldest || (q == 0 && !m_wrapped) || m_bytes[Back(q)] == '\n') {
        previous = q;
        return ChartWalk::Drawn;
      }
      q = Back(q);
    }
    return ChartWalk::Damaged;
  }

private:
  // A record that runs round the end of a wrapped memory, or one cut short.
  std::size_t ReadAcross(std::size_t p, Record& record) const {
    record.joined.clear();
    std::size_t next = m_write;
    for (std::size_t n = 0; n < m_length; ++n) {
      if (p == m_write && n > 0) {
        next = p;
        break;
      }
      const char c = m_bytes[p];
      p = Forward(p);
      if (c == '\n') {
        next = p;
        break;
      }
      if (c != '\r') record.joined.push_back(c);
      if (p == m_write) {
        next = p;
        break;
      }
    }
    SplitFields(record.joined.data(), record.joined.data() + record.joined.size(), record);
    return next;
  }

  std::size_t Forward(std::size_t p) const {
    ++p;
    return p == m_length && m_wrapped ? 0 : p;
  }
  std::size_t Back(std::size_t p) const { return p == 0 ? m_length - 1 : p - 1; }

  const std::string& m_bytes;
  std::size_t m_length;
  bool m_wrapped;
  std::size_t m_oldest;
  std::size_t m_write;
};

struct FieldScale {
  double unitdiv = 0;
  double position = 0;  // pixels above the bottom
};

}  // namespace

int ChartValueHeight(std::string_view value, double unitdiv, double positionpixels, double pixelsperhundredth,
                     int height) {
  double y = positionpixels;
  if (unitdiv != 0) y += NumberOf(value) * pixelsperhundredth * 100.0 / unitdiv;
  const double clamped = std::clamp(y, 0.0, static_cast<double>(height - 1));
  return static_cast<int>(clamped);
}

ChartWalk BuildChartTraces(const ChartMemory& memory, ChartMemoryBooks& books, const ChartRecorderRecord& r,
                           const Rect& area, ChartTraces& traces, bool keepreadmark) {
  const int numfields = r.fields.Count();
  for (auto& run : traces.runs) run.clear();
  traces.count = 0;
  const int L = area.left;
  const int R = area.right;
  const int B = area.bottom;
  const int W = Width(area);
  const int H = Height(area);
  if (memory.Length() == 0 || books.oldestrec == books.writepos || W < 2 || H < 2) return ChartWalk::Drawn;
  const RecordRing ring(memory, books);
  if (!ring.BooksFit()) return ChartWalk::Damaged;

  const double ph = (W - 1) / (std::max(r.hdivisions, 1) * 100.0);
  const double pv = (H - 1) / (std::max(r.vdivisions, 1) * 100.0);
  const double mpp = TimeDivTenths(r.timediv) / ph;
  // Times count from the window time, so doubles keep every millisecond.
  const int64_t tw = StampToMs(r.windowdate, r.windowtime);
  const double t0 = -W * mpp * 0.5;

  std::vector<FieldScale> scales(static_cast<std::size_t>(numfields));
  for (int f = 0; f < numfields; ++f)
    scales[static_cast<std::size_t>(f)] = {NumberOf(r.fields[f].unitdiv), HundredthsOf(r.fields[f].position) * pv};

  Record record;
  const std::vector<std::string_view>& fields = record.fields;
  std::size_t after = 0;  // where the record in `fields` ends
  const auto stampOf = [&](std::size_t p) {
    after = ring.Read(p, record);
    return static_cast<double>(StampToMs(fields[0], fields.size() > 1 ? fields[1] : std::string_view()) - tw);
  };

  // The record to start from: the newest one older than the left edge.
  std::size_t pos = static_cast<std::size_t>(books.readmark);
  if (books.readmark < 0 || !ring.IsRecordStart(pos)) pos = ring.Oldest();
  if (pos == ring.Write()) {
    if (const ChartWalk step = ring.StepBack(pos, pos); step != ChartWalk::Drawn) return step;
  }
  double ts = stampOf(pos);
  while (ts <= t0 && after != ring.Write()) {
    pos = after;
    ts = stampOf(pos);
  }
  while (ts >= t0 && pos != ring.Oldest()) {
    if (const ChartWalk step = ring.StepBack(pos, pos); step != ChartWalk::Drawn) return step;
    ts = stampOf(pos);
  }
  if (!keepreadmark) books.readmark = static_cast<int>(pos);

  // A window far from every sample (one never placed, days away) puts the
  // first column far outside the area either side; it is drawn there all
  // the same, but no further than pixel coordinates can go.
  double c = std::clamp(std::ceil((ts - t0) / mpp), -kFarColumns, W + kFarColumns);
  double tc = t0 + c * mpp;

  std::vector<int> first(static_cast<std::size_t>(numfields));
  std::vector<int> high(first.size());
  std::vector<int> low(first.size());
  std::vector<int> last(first.size());
  const auto heightOf = [&](int f) {
    const std::size_t i = static_cast<std::size_t>(f);
    const std::string_view value = i + 2 < fields.size() ? fields[i + 2] : std::string_view();
    return ChartValueHeight(value, scales[i].unitdiv, scales[i].position, pv, H);
  };

  int columns = 0;
  while (pos != ring.Write()) {
    if (ts <= tc) {
      pos = after;
      for (int f = 0; f < numfields; ++f) {
        const std::size_t i = static_cast<std::size_t>(f);
        first[i] = high[i] = low[i] = last[i] = heightOf(f);
      }
      while (pos != ring.Write()) {
        ts = stampOf(pos);
        if (ts > tc) break;
        pos = after;
        for (int f = 0; f < numfields; ++f) {
          const std::size_t i = static_cast<std::size_t>(f);
          const int y = heightOf(f);
          high[i] = std::max(high[i], y);
          low[i] = std::min(low[i], y);
          last[i] = y;
        }
      }
      const int x = L + static_cast<int>(c);
      for (int f = 0; f < numfields; ++f) {
        const std::size_t i = static_cast<std::size_t>(f);
        auto& run = traces.runs[i];
        run.push_back({x, B - first[i] - 1});
        run.push_back({x, B - high[i] - 1});
        run.push_back({x, B - low[i] - 1});
        run.push_back({x, B - last[i] - 1});
      }
      traces.count += 4;
      if (x > R || ++columns >= ChartTraces::kMaxColumns) break;
    } else {
      // Straight to the column of the next sample; one far beyond the right
      // edge is placed just far enough to end the walk.
      const double skip = std::ceil((ts - tc) / mpp) - 1;
      if (c + skip > W + kFarColumns) {
        c = W + kFarColumns - 1;
        tc = ts - mpp;
      } else {
        c += skip;
        tc += skip * mpp;
      }
    }
    tc += mpp;
    c += 1;
  }
  return ChartWalk::Drawn;
}

}  // namespace korvix
