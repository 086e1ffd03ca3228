#include "render/face_key.h"

#include <array>
#include <cstdint>

#include "document/record_layouts.h"

namespace korvix {

namespace {

// Appends every stored field to one byte string, each text after its length
// so that no two records write the same bytes.
class KeyWriter {
public:
  KeyWriter(const CKorvixDoc& doc, std::string& out) : m_doc(doc), m_out(out) {}

  const CKorvixDoc& Doc() const { return m_doc; }

  template <class T>
  void Raw(const T& value) {
    m_out.append(reinterpret_cast<const char*>(&value), sizeof value);
  }
  void Int(int& v) { Raw(v); }
  void Dword(std::uint32_t& v) { Raw(v); }
  void Double(double& v) { Raw(v); }
  void Text(std::string& v) {
    Raw(v.size());
    m_out.append(v);
  }
  void Password(std::string& v) { Text(v); }
  template <std::size_t N>
  void Block(std::array<std::uint8_t, N>& b) {
    Raw(b);
  }
  void WidthFactor(double& v, double) { Raw(v); }
  void HeightFactor(double& v, double, double) { Raw(v); }

private:
  const CKorvixDoc& m_doc;
  std::string& m_out;
};

// The value is drawn whether or not the record stores it (a PI-Controller
// never does), so it is added once more.
template <class Record>
void AppendRecord(KeyWriter& writer, const Record& record) {
  Record placed = record;
  placed.x = 0;
  placed.y = 0;
  placed.stacknum = 0;
  placed.page = 0;
  Layout(writer, placed);
  if constexpr (requires { placed.valuetext; }) writer.Text(placed.valuetext);
}

template <class Held>
int HeldCode(const std::optional<Held>& held) {
  return held ? static_cast<int>(*held) : -1;
}

// Appends the record and, for the controls the operator holds, their state;
// false for the kinds that are drawn directly.
bool AppendObject(KeyWriter& writer, const CKorvixDoc& doc, const ControlRunStates* states,
                  ObjectRunStates& objectstates, ScreenObject object) {
  const int i = object.index;
  const std::string* drawn = objectstates.DrawnValue(object.kind, i);
  const auto record = [&](const auto& list) {
    if (drawn != nullptr && *drawn != list[i].valuetext) return false;
    AppendRecord(writer, list[i]);
    return true;
  };
  switch (object.kind) {
    case ScreenObjectKind::LevelGauge: return record(doc.m_levelgauges);
    case ScreenObjectKind::DialGauge: return record(doc.m_dialgauges);
    case ScreenObjectKind::MeterGauge: return record(doc.m_metergauges);
    case ScreenObjectKind::VerticalGauge: return record(doc.m_vertgauges);
    case ScreenObjectKind::HorizontalGauge: return record(doc.m_horzgauges);
    case ScreenObjectKind::DualHandGauge: return record(doc.m_dualhandgauges);
    case ScreenObjectKind::WindVane: return record(doc.m_windvanes);
    case ScreenObjectKind::SliderControl: return record(doc.m_slidercontrols);
    case ScreenObjectKind::SignalLamp: return record(doc.m_signallamps);
    case ScreenObjectKind::PushButton:
      AppendRecord(writer, doc.m_pushbuttons[i]);
      writer.Raw(states != nullptr && states->PushButtonDown(i));
      return true;
    case ScreenObjectKind::EventCounter:
      AppendRecord(writer, doc.m_eventcounters[i]);
      writer.Raw(HeldCode(states ? states->HeldCounterButton(i) : std::nullopt));
      return true;
    case ScreenObjectKind::EventTimer:
      AppendRecord(writer, doc.m_eventtimers[i]);
      writer.Raw(HeldCode(states ? states->HeldTimerButton(i) : std::nullopt));
      return true;
    case ScreenObjectKind::RockerSwitch:
      AppendRecord(writer, doc.m_rockerswitches[i]);
      writer.Raw(HeldCode(states ? states->HeldRockerHalf(i) : std::nullopt));
      return true;
    case ScreenObjectKind::PIController: {
      AppendRecord(writer, doc.m_picontrollers[i]);
      writer.Raw(states != nullptr);
      if (states == nullptr) return true;
      const PIControllerReadings readings = states->PIControllerReadingsOf(i);
      std::string setpoint(readings.setpoint);
      std::string output(readings.output);
      writer.Text(setpoint);
      writer.Text(output);
      writer.Raw(HeldCode(readings.pressed));
      return true;
    }
    default: return false;
  }
}

}  // namespace

std::optional<std::string> FaceKey(const CKorvixDoc& doc, const ViewState& view, const ControlRunStates* states,
                                   ObjectRunStates& objectstates, ScreenObject object, const Rect& rect) {
  std::string key;
  KeyWriter writer(doc, key);
  writer.Raw(object.kind);
  writer.Raw(Width(rect));
  writer.Raw(Height(rect));
  writer.Raw(view.m_fontfactor);
  if (!AppendObject(writer, doc, states, objectstates, object)) return std::nullopt;
  return key;
}

}  // namespace korvix
