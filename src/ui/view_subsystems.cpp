#include "ui/view_subsystems.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>

#include "qtdraw/printer_label_target.h"
#include "ui/korvix_view.h"
#include "ui/main_frame.h"
#include "ui/port_selection_dlg.h"

namespace korvix {

CViewSubsystems::CViewSubsystems(CMainFrame& frame, CKorvixDoc& doc, Profile& profile, MessageSink& messages,
                                 std::function<void()> saveproject)
    : QObject(&frame),
      m_frame(frame),
      m_doc(doc),
      m_profile(profile),
      m_messages(messages),
      m_saveproject(std::move(saveproject)),
      m_telephone(profile),
      m_printer(std::make_unique<QtPrinterLabelTarget>()) {
  m_runloop = std::make_unique<CRunLoopUi>(frame, doc, profile, messages,
                                           RunModeWorld{frame, frame.View()->State(), m_clock, m_wall, messages, *this,
                                                        m_sound, m_programs, m_telephone, m_printer});
  ViewRuntime& runtime = m_runloop->Runtime();
  CRunMode& runmode = *m_runloop->RunMode();
  m_runinput = std::make_unique<CRunModeInput>(*frame.View(), runmode.Controls(), [this] { return Running(); });
  m_editorwait = std::make_unique<QtPassWait>(runtime.Link());
  m_editorloop = std::make_unique<EditorLoop>(runtime.Link(), *m_editorwait, messages);
  m_runloop->SetEditorsOpen([this] { return m_editorloop->OpenEditors() > 0; });
  m_chartmemories = std::make_unique<RecorderChartMemories>(runtime.Charts());
  m_propertyeditors = std::make_unique<CPropertyEditors>(
      &frame, PropertyFrame{doc, frame.View()->State(), m_runloop->Page(), m_runloop->PageWindow(), *m_chartmemories},
      messages, ColorSelectChooser(profile), *m_editorloop, runmode.Email(),
      ChartPlotAccess{[&runtime](int index) -> ChartMemory& { return runtime.Charts().Memory(index); },
                      [&runtime](const std::string& text) { return runtime.ExpandLabelRefs(text); }});
  m_weblogging = std::make_unique<CWebLoggingCommand>(frame, doc, messages, ColorSelectChooser(profile),
                                                      [this] { return !Running() && m_doc.m_lockon == 0; });
  m_editor = std::make_unique<CPageEditorUi>(frame, doc, m_runloop->Page(), m_runloop->PageWindow(), messages,
                                             *m_chartmemories, *m_propertyeditors);
  m_editor->SetRunning([this] { return Running(); });
  m_view = frame.View();
  m_view->SetInputHandler([this](QEvent* event) { return OnViewEvent(event); });
  frame.AddCommand(kCommunicateMenu, ID_PORT_SELECTION, "Port Selection", [this] { OnPortSelection(); });
  m_runloopsettings = std::make_unique<CRunLoopSettingsUi>(frame, doc, m_runloop->Page().m_runstates.Variables(),
                                                           messages, *m_editorloop, [this] { return Running(); });
  m_scripteditors = std::make_unique<CScriptEditorsUi>(frame, doc, profile, messages, *m_editorloop, *m_runloopsettings,
                                                       runmode.Email(), m_clock);
  m_conditionaleditors =
      std::make_unique<CConditionalEditorsUi>(frame, doc, messages, *m_editorloop, *m_runloopsettings,
                                              [this](int script) { m_scripteditors->EditScriptConfiguration(script); });
  m_datalog = std::make_unique<CDataLogUi>(frame, doc, profile, messages, *m_editorloop, runtime);
  frame.UpdateCommands();
}

// In reverse of the making: whatever refers to another goes before it.
CViewSubsystems::~CViewSubsystems() {
  if (m_view) m_view->SetInputHandler(nullptr);
  m_datalog.reset();
  m_conditionaleditors.reset();
  m_scripteditors.reset();
  m_runloopsettings.reset();
  m_editor.reset();
  m_weblogging.reset();
  m_propertyeditors.reset();
  m_chartmemories.reset();
  m_editorloop.reset();
  m_editorwait.reset();
  m_runinput.reset();
  m_runloop.reset();
}

bool CViewSubsystems::OnViewEvent(QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
      m_runloop)
    m_runloop->Runtime().Link().m_releasetime = m_clock.Now();
  if (m_runinput->OnViewEvent(event)) return true;
  // The page editor is edit mode: while the Run-Loop runs, the clicks and
  // keys that the controls leave must not select, move or edit objects.
  if (Running() && event->isInputEvent()) return false;
  return m_editor->OnViewEvent(event);
}

bool CViewSubsystems::Running() { return m_runloop && m_runloop->Runtime().IsRunning(); }

// The Run-Loop owns the port while it runs; pulling it away mid-command
// would turn into communications errors the user did not cause.
void CViewSubsystems::OnPortSelection() {
  if (m_runloop->Runtime().IsRunning()) {
    m_messages.Show("Port Selection", "Halt the Run-Loop before selecting a port.", MessageIcon::Exclamation);
    return;
  }
  ViewRuntime& runtime = m_runloop->Runtime();
  CPortSelectionDlg dialog(runtime, runtime.Link(), m_profile, m_messages, &m_frame);
  dialog.exec();
}

void CViewSubsystems::GotoPage(int page) {
  if (page < 1 || page > m_doc.m_pages.Count() || page == m_doc.m_curpage) return;
  m_doc.m_curpage = page;
  m_runloop->Page().m_redrawall = 1;
  m_frame.View()->viewport()->update();
}

void CViewSubsystems::MinimizeWindow() { m_frame.showMinimized(); }

void CViewSubsystems::RestoreWindow() { m_frame.showNormal(); }

void CViewSubsystems::QuitProgram() { QCoreApplication::quit(); }

void CViewSubsystems::SaveProject() {
  if (m_saveproject) m_saveproject();
}

void CViewSubsystems::InvalidateControl(ScreenObjectKind, int) { m_frame.View()->viewport()->update(); }

void CViewSubsystems::PrintChartRec(int index) {
  ChartRecorderPrint document(m_doc, m_frame.View()->State(), m_runloop->Page().m_runstates, index,
                              &m_runloop->Runtime().Charts().Memory(index), m_messages);
  PrintChartRecorder(&m_frame, m_chartprinter, document);
}

}  // namespace korvix
