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
    // Most records lie in one piece before the write position or the end,
    // and hold no CR but the one before their LF; they are split in one
    // pass without a copy.
    const char* start = m_bytes.data() + p;
    const char* stop = m_bytes.data() + (p < m_write ? m_write : m_length);
    record.fields.clear();
    const char* field = start;
    bool innercr = false;
    for (const char* q = start; q != stop; ++q) {
      const char c = *q;
      if (c == ',') {
        record.fields.emplace_back(field, static_cast<std::size_t>(q - field));
        field = q + 1;
      } else if (c == '\r') {
        innercr = innercr || q + 1 == stop || q[1] != '\n';
      } else if (c == '\n') {
        if (innercr) {
          record.joined.assign(start, q);
          std::erase(record.joined, '\r');
          SplitFields(record.joined.data(), record.joined.data() + record.joined.size(), record);
        } else {
          const char* end = q > field && q[-1] == '\r' ? q - 1 : q;
          record.fields.emplace_back(field, static_cast<std::size_t>(end - field));
        }
        return Forward(static_cast<std::size_t>(q - m_bytes.data()));
      }
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

}  // namespace

int ChartValueHeight(std::string_view value, double unitdiv, double positionpixels, double pixelsperhundredth,
                     int height) {
  double y = positionpixels;
  if (unitdiv != 0) y += NumberOf(value) * pixelsperhundredth * 100.0 / unitdiv;
  const double clamped = std::clamp(y, 0.0, static_cast<double>(height - 1));
  return static_cast<int>(clamped);
}

namespace {

// One walk over a recorder's memory for the window it shows, from the record
// that starts it or from the column where an earlier walk of the same
// window ended.
class TraceWalker {
public:
  TraceWalker(const ChartMemory& memory, const ChartMemoryBooks& books, const ChartRecorderRecord& r, const Rect& area,
              ChartTraces& traces)
      : m_ring(memory, books),
        m_traces(traces),
        m_left(area.left),
        m_right(area.right),
        m_bottom(area.bottom),
        m_width(Width(area)),
        m_height(Height(area)),
        m_numfields(static_cast<std::size_t>(r.fields.Count())) {
    const double ph = (m_width - 1) / (std::max(r.hdivisions, 1) * 100.0);
    m_pv = (m_height - 1) / (std::max(r.vdivisions, 1) * 100.0);
    m_mpp = TimeDivTenths(r.timediv) / ph;
    m_tw = StampToMs(r.windowdate, r.windowtime);
    m_t0 = -m_width * m_mpp * 0.5;
    for (std::size_t f = 0; f < m_numfields; ++f) {
      const ChartRecorderField& field = r.fields[static_cast<int>(f)];
      m_scales[f].unitdiv = NumberOf(field.unitdiv);
      m_scales[f].position = HundredthsOf(field.position) * m_pv;
    }
  }

  const RecordRing& Ring() const { return m_ring; }

  // Finds the record to start from, the newest one older than the left
  // edge, searching from `readmark`, and walks every column from there.
  ChartWalk FromStart(int readmark, int& start) {
    std::size_t pos = static_cast<std::size_t>(readmark);
    if (readmark < 0 || !m_ring.IsRecordStart(pos)) pos = m_ring.Oldest();
    if (pos == m_ring.Write()) {
      if (const ChartWalk step = m_ring.StepBack(pos, pos); step != ChartWalk::Drawn) return step;
    }
    double ts = StampOf(pos);
    while (ts <= m_t0 && m_after != m_ring.Write()) {
      pos = m_after;
      ts = StampOf(pos);
    }
    while (ts >= m_t0 && pos != m_ring.Oldest()) {
      if (const ChartWalk step = m_ring.StepBack(pos, pos); step != ChartWalk::Drawn) return step;
      ts = StampOf(pos);
    }
    start = static_cast<int>(pos);
    ChartWalkMark& mark = m_traces.mark;
    mark = ChartWalkMark();
    mark.start = pos;
    // A window far from every sample (one never placed, days away) puts the
    // first column far outside the area either side; it is drawn there all
    // the same, but no further than pixel coordinates can go.
    const double c = std::clamp(std::ceil((ts - m_t0) / m_mpp), -kFarColumns, m_width + kFarColumns);
    Columns(pos, ts, c, m_t0 + c * m_mpp, 0);
    return ChartWalk::Drawn;
  }

  // Builds the last column of the runs again and any after it.
  void FromMark() {
    const ChartWalkMark mark = m_traces.mark;
    for (auto& run : m_traces.runs) run.resize(static_cast<std::size_t>(mark.count));
    m_traces.count = mark.count;
    Columns(mark.record, StampOf(mark.record), mark.column, mark.columntime, mark.columns);
  }

private:
  struct FieldScale {
    double unitdiv = 0;
    double position = 0;  // pixels above the bottom
    bool measured = false;
    std::string lastvalue;
    int lastheight = 0;
  };

  // Reads the record at p and gives its time from the window time; times
  // count from there, so doubles keep every millisecond.
  double StampOf(std::size_t p) {
    m_after = m_ring.Read(p, m_record);
    const std::vector<std::string_view>& fields = m_record.fields;
    return static_cast<double>(StampToMs(fields[0], fields.size() > 1 ? fields[1] : std::string_view()) - m_tw);
  }

  // Measured values change slowly against the samples taken, so a text
  // like the field's last one takes its height.
  int HeightOf(std::size_t f) {
    const std::vector<std::string_view>& fields = m_record.fields;
    const std::string_view value = f + 2 < fields.size() ? fields[f + 2] : std::string_view();
    FieldScale& scale = m_scales[f];
    if (!scale.measured || value != scale.lastvalue) {
      scale.lastvalue.assign(value);
      scale.lastheight = ChartValueHeight(value, scale.unitdiv, scale.position, m_pv, m_height);
      scale.measured = true;
    }
    return scale.lastheight;
  }

  // The column loop from the record at pos (read, its time ts) with column
  // c at time tc; it jumps over gaps in the recording and stops one column
  // past the right edge.
  void Columns(std::size_t pos, double ts, double c, double tc, int columns) {
    ChartWalkMark& mark = m_traces.mark;
    std::array<int, kMaxChartRecorderFields> first{};
    std::array<int, kMaxChartRecorderFields> high{};
    std::array<int, kMaxChartRecorderFields> low{};
    std::array<int, kMaxChartRecorderFields> last{};
    while (pos != m_ring.Write()) {
      if (ts <= tc) {
        mark.record = pos;
        mark.column = c;
        mark.columntime = tc;
        mark.columns = columns;
        mark.count = m_traces.count;
        mark.valid = true;
        pos = m_after;
        for (std::size_t f = 0; f < m_numfields; ++f) first[f] = high[f] = low[f] = last[f] = HeightOf(f);
        while (pos != m_ring.Write()) {
          ts = StampOf(pos);
          if (ts > m_t0) mark.settled = true;
          if (ts > tc) break;
          pos = m_after;
          for (std::size_t f = 0; f < m_numfields; ++f) {
            const int y = HeightOf(f);
            high[f] = std::max(high[f], y);
            low[f] = std::min(low[f], y);
            last[f] = y;
          }
        }
        const int x = m_left + static_cast<int>(c);
        for (std::size_t f = 0; f < m_numfields; ++f) {
          auto& run = m_traces.runs[f];
          run.push_back({x, m_bottom - first[f] - 1});
          run.push_back({x, m_bottom - high[f] - 1});
          run.push_back({x, m_bottom - low[f] - 1});
          run.push_back({x, m_bottom - last[f] - 1});
        }
        m_traces.count += 4;
        if (x > m_right || ++columns >= ChartTraces::kMaxColumns) break;
      } else {
        // Straight to the column of the next sample; one far beyond the
        // right edge is placed just far enough to end the walk.
        const double skip = std::ceil((ts - tc) / m_mpp) - 1;
        if (c + skip > m_width + kFarColumns) {
          c = m_width + kFarColumns - 1;
          tc = ts - m_mpp;
        } else {
          c += skip;
          tc += skip * m_mpp;
        }
      }
      tc += m_mpp;
      c += 1;
    }
    mark.write = m_ring.Write();
  }

  RecordRing m_ring;
  ChartTraces& m_traces;
  int m_left;
  int m_right;
  int m_bottom;
  int m_width;
  int m_height;
  std::size_t m_numfields;
  double m_pv = 0;
  double m_mpp = 0;
  int64_t m_tw = 0;
  double m_t0 = 0;
  std::array<FieldScale, kMaxChartRecorderFields> m_scales;
  Record m_record;
  std::size_t m_after = 0;  // where the record in m_record ends
};

bool Walkable(const ChartMemory& memory, const ChartMemoryBooks& books, const Rect& area) {
  return memory.Length() != 0 && books.oldestrec != books.writepos && Width(area) >= 2 && Height(area) >= 2;
}

// Whether the records from `start` up to `write` are still in the memory:
// writing since has overwritten only records before them.
bool StillHeld(const ChartWalkMark& mark, const ChartMemory& memory, const ChartMemoryBooks& books) {
  const std::size_t length = memory.Length();
  const auto oldest = static_cast<std::size_t>(books.oldestrec);
  const auto write = static_cast<std::size_t>(books.writepos);
  if (memory.Replacements() != mark.replacements || (mark.wrapped && length != mark.length)) return false;
  if (books.wrapped == 0) return oldest == 0 && write >= mark.write;
  // Distances from the old write position, in the order the writing went.
  const auto from = [&](std::size_t p) { return (p + length - mark.write % length) % length; };
  return from(write) <= from(oldest) && from(oldest) <= from(mark.start);
}

}  // namespace

ChartWalk BuildChartTraces(const ChartMemory& memory, ChartMemoryBooks& books, const ChartRecorderRecord& r,
                           const Rect& area, ChartTraces& traces, bool keepreadmark) {
  for (auto& run : traces.runs) run.clear();
  traces.count = 0;
  traces.mark = ChartWalkMark();
  if (!Walkable(memory, books, area)) return ChartWalk::Drawn;
  TraceWalker walker(memory, books, r, area, traces);
  if (!walker.Ring().BooksFit()) return ChartWalk::Damaged;
  int start = books.readmark;
  const ChartWalk walk = walker.FromStart(books.readmark, start);
  if (walk != ChartWalk::Drawn) return walk;
  if (!keepreadmark) books.readmark = start;
  traces.mark.wrapped = books.wrapped != 0;
  traces.mark.length = memory.Length();
  traces.mark.replacements = memory.Replacements();
  return walk;
}

bool ResumeChartTraces(const ChartMemory& memory, const ChartMemoryBooks& books, const ChartRecorderRecord& r,
                       const Rect& area, ChartTraces& traces) {
  const ChartWalkMark& mark = traces.mark;
  if (!mark.valid || !mark.settled || !Walkable(memory, books, area)) return false;
  TraceWalker walker(memory, books, r, area, traces);
  if (!walker.Ring().BooksFit() || !StillHeld(mark, memory, books)) return false;
  walker.FromMark();
  traces.mark.wrapped = books.wrapped != 0;
  traces.mark.length = memory.Length();
  return true;
}

}  // namespace korvix
