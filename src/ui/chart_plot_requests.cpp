#include "ui/chart_plot_requests.h"

#include "document/atomic_file.h"
#include "platform/text_mem_file.h"
#include "ui/system_busy_dlg.h"

namespace korvix {

namespace {

constexpr const char* kSaveCaption = "Save Chart Plot to File";
constexpr const char* kSaveQuestion =
    "Caution, you are about to replace any previously saved \rdata with the current data. Do you wish to continue?";
constexpr const char* kRecallCaption = "Recall Chart Plot from File";
constexpr const char* kRecallQuestion =
    "Caution, you are about to replace any current data with the \rdata previously stored in the file. Do you wish "
    "to continue?";
constexpr const char* kSavingText = "Saving file, please wait.";
constexpr const char* kLoadingText = "Loading file, please wait.";
constexpr const char* kFileAccessCaption = "File Access Error";
constexpr const char* kWriteFailedText = "Error while writing data to file.";
constexpr uint32_t kServiceMs = 100;

std::string CouldNotOpen(const std::string& name) { return "The file " + name + " could not be opened."; }

}  // namespace

ChartPlotRequests::ChartPlotRequests(QWidget* mainwindow, EditorLoop& editors, MessageSink& messages,
                                     MillisecondClock& clock)
    : m_mainwindow(mainwindow), m_editors(editors), m_messages(messages), m_clock(clock) {}

bool ChartPlotRequests::Confirmed(const char* caption, const char* question) {
  return m_editors.ShowMessage(caption, question, MessageIcon::Exclamation, MessageButtons::YesNoDefaultNo) ==
         MessageResult::Yes;
}

PlotProgress ChartPlotRequests::Progress(BusyProgress& busy) {
  return [this, &busy, serviced = m_clock.Now()](std::size_t done) mutable {
    if (ElapsedMs(m_clock.Now(), serviced) < kServiceMs) return true;
    busy.SetPos(static_cast<int>(done));
    const bool goon = m_editors.PumpStep() && busy.Running();
    serviced = m_clock.Now();
    return goon;
  };
}

// The file is replaced in one step only once the whole text stands, so a
// cancel or a failed write keeps the plot saved before.
void ChartPlotRequests::Save(const std::string& path, const ChartMemory& memory, const ChartMemoryBooks& books,
                             const ChartRecorderRecord& r) {
  if (!Confirmed(kSaveCaption, kSaveQuestion)) return;
  CSystemBusyDlg busy(m_mainwindow);
  busy.Show(kSavingText);
  busy.SetRange(0, static_cast<int>(memory.Length()));
  const std::optional<std::string> text = ChartPlotText(memory, books, r, Progress(busy));
  if (!text) return;
  AtomicWriteStage stage = AtomicWriteStage::Done;
  if (WriteFileAtomically(path, *text, &stage).empty()) return;
  busy.Close();
  m_editors.ShowMessage(kFileAccessCaption, stage == AtomicWriteStage::Create ? CouldNotOpen(path) : kWriteFailedText,
                        MessageIcon::Exclamation);
}

bool ChartPlotRequests::Recall(const std::string& path, ChartMemory& memory, ChartMemoryBooks& books,
                               ChartRecorderRecord& r) {
  if (!Confirmed(kRecallCaption, kRecallQuestion)) return false;
  CSystemBusyDlg busy(m_mainwindow);
  busy.Show(kLoadingText);
  busy.setEnabled(false);
  TextMemFile memfile(m_messages, m_clock);
  if (!memfile.LoadTextFile(path)) return false;
  busy.setEnabled(true);
  const std::string_view text = memfile.Bytes();
  busy.SetRange(0, static_cast<int>(text.size()));
  bool stopped = false;
  const PlotProgress progress = Progress(busy);
  const std::optional<std::string> refusal = RecallChartPlot(text, r, memory, books, [&](std::size_t done) {
    stopped = !progress(done);
    return !stopped;
  });
  if (stopped) return false;
  if (!refusal) return true;
  busy.Close();
  m_editors.ShowMessage(kFileAccessCaption, *refusal, MessageIcon::Exclamation);
  return false;
}

}  // namespace korvix
