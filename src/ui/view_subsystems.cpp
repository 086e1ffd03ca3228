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
      m_runloop(new CRunLoopUi(frame, doc, profile, messages, &m_scripts)),
      m_linkservices(m_runloop->Runtime().Link()),
      m_picontrollers(doc, m_runloop->Runtime().Values(), m_linkservices, m_runloop->Runtime(), m_clock),
      m_runservices(doc, m_runloop->Runtime(), m_picontrollers, m_clock, *this),
      m_telephone(profile),
      m_email(doc.m_emailserver, m_runloop->Runtime().Popup(), frame, m_wall),
      m_printer(std::make_unique<QtPrinterLabelTarget>()),
      m_outside{m_sound, m_programs, m_telephone, m_email, m_printer},
      m_executors(doc, m_runloop->Runtime().Values(), m_linkservices, m_clock, messages, m_runloop->Runtime(),
                  m_runservices, m_outside),
      m_controls(doc, frame.View()->State(), m_runloop->Page().m_geometry, m_runloop->Runtime().Values(), m_executors,
                 m_runservices, m_picontrollers, m_clock, m_runloop->Page().m_inputwindowstates),
      m_controlstart(doc, m_runloop->Runtime().Link(), m_runloop->Runtime().Values(), messages),
      m_runinput(*frame.View(), m_controls, [this] { return Running(); }),
      m_editorwait(m_runloop->Runtime().Link()),
      m_editorloop(m_runloop->Runtime().Link(), m_editorwait, messages),
      m_chartmemories(m_runloop->Runtime().Charts()),
      m_propertyeditors(
          &frame,
          PropertyFrame{doc, frame.View()->State(), m_runloop->Page(), m_runloop->PageWindow(), m_chartmemories},
          messages, ColorSelectChooser(profile), m_editorloop, m_email,
          ChartPlotAccess{[this](int index) -> ChartMemory& { return m_runloop->Runtime().Charts().Memory(index); },
                          [this](const std::string& text) { return m_runloop->Runtime().ExpandLabelRefs(text); }}),
      m_weblogging(frame, doc, messages, ColorSelectChooser(profile),
                   [this] { return !Running() && m_doc.m_lockon == 0; }) {
  m_scripts.Attach(m_executors, m_controls, m_controlstart, m_picontrollers);
  m_runloop->SetEditorsOpen([this] { return m_editorloop.OpenEditors() > 0; });
  m_runloop->Page().m_controlstates = &m_controls;
  m_editor = std::make_unique<CPageEditorUi>(frame, doc, m_runloop->Page(), m_runloop->PageWindow(), messages,
                                             m_chartmemories, m_propertyeditors);
  m_view = frame.View();
  m_view->SetInputHandler([this](QEvent* event) { return OnViewEvent(event); });
  frame.AddCommand(kCommunicateMenu, ID_PORT_SELECTION, "Port Selection", [this] { OnPortSelection(); });
  m_runloopsettings = new CRunLoopSettingsUi(frame, doc, m_runloop->Page().m_runstates.Variables(), messages,
                                             m_editorloop, [this] { return Running(); });
  m_scripteditors =
      new CScriptEditorsUi(frame, doc, profile, messages, m_editorloop, *m_runloopsettings, m_email, m_clock);
  m_conditionaleditors =
      new CConditionalEditorsUi(frame, doc, messages, m_editorloop, *m_runloopsettings,
                                [this](int script) { m_scripteditors->EditScriptConfiguration(script); });
  m_datalog = new CDataLogUi(frame, doc, profile, messages, m_editorloop, m_runloop->Runtime());
}

// The Run-Loop's core still refers to the executors until it is gone, so it
// goes first.
CViewSubsystems::~CViewSubsystems() {
  if (m_view) m_view->SetInputHandler(nullptr);
  delete m_datalog.data();
  m_editor.reset();
  delete m_runloop.data();
}

bool CViewSubsystems::OnViewEvent(QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
      m_runloop)
    m_runloop->Runtime().Link().m_releasetime = m_clock.Now();
  if (m_runinput.OnViewEvent(event)) return true;
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
  CPortSelectionDlg dialog(m_doc, m_runloop->Runtime().Link(), m_profile, m_messages, &m_frame);
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
  PageView& page = m_runloop->Page();
  const ChartMemory* memory = page.m_chartmemories ? &page.m_chartmemories->Memory(index) : nullptr;
  ChartRecorderPrint document(m_doc, m_frame.View()->State(), page.m_runstates, index, memory, m_messages);
  PrintChartRecorder(&m_frame, m_chartprinter, document);
}

}  // namespace korvix
