#include "ui/run_loop_ui.h"

#include <QAction>
#include <QImage>
#include <QPainter>

#include "app/command_ids.h"
#include "editor/object_rects.h"
#include "qtdraw/bitmap_file.h"
#include "qtdraw/qt_device_context.h"
#include "ui/korvix_view.h"
#include "ui/main_frame.h"

namespace korvix {

namespace {
constexpr char kStartRunLoopText[] = "Start Run Loop";
constexpr char kHaltRunLoopText[] = "Halt Run Loop";
}  // namespace

CRunLoopUi::CRunLoopUi(CMainFrame& frame, CKorvixDoc& doc, Profile& profile, MessageSink& messages,
                       std::optional<RunModeWorld> runmode)
    : m_frame(frame),
      m_view(*frame.View()),
      m_viewalive(frame.View()),
      m_doc(doc),
      m_pagewindow(*frame.View()),
      m_objects(doc, frame.View()->State()),
      m_pump([this](RunLoopMessage message) { OnRunLoopMessage(message); }),
      m_popupwindow(&frame),
      m_weblogmessages(&frame, messages),
      m_weblog(m_weblogmessages, m_clock),
      m_livelink(doc, m_objects.runstates,
                 [this](std::string& out, std::string_view name) {
                   return m_runtime && m_runtime->Values().Values().FindLabelValueQuietly(out, name);
                 }),
      m_passmessages(this, messages),
      m_runtime(MakeRuntime(profile, messages, std::move(runmode))),
      m_page(doc, frame.View()->State(), m_pagewindow, &LoadBitmapFile, m_objects,
             PageRunSources{m_runmode ? &m_runmode->Controls() : nullptr, &m_runtime->Charts(), &m_passmessages}) {
  m_popupwindow.SetBox(&m_runtime->Popup());
  m_pump.SetNestedPass([this] { return !(m_editorsopen && m_editorsopen()) && m_runtime->NestedPassMayRun(); },
                       [this] { m_runtime->RunNestedPass(); });

  m_frame.AddCommand(kRunLoopMenu, ID_RUNLOOP_START, kStartRunLoopText, [this] { OnRunLoopStart(); });
  m_frame.AddCommand(kRunLoopMenu, ID_RUNLOOP_HALT, kHaltRunLoopText, [this] { OnRunLoopHalt(); });
  connect(&m_frame, &CMainFrame::CommandUpdate, this, [this] { ShowRunning(m_runtime->IsRunning()); });
  m_view.SetPaintHandler([this](QPainter& painter, const QRegion& dirty) { Paint(painter, dirty); });
  m_view.AddInitialUpdateStep([this] {
    m_page.m_bitmaps.Clear();
    m_page.ForgetObjects();
    m_page.m_redrawall = 1;
    m_livelink.EndConversation();
    m_runtime->OnInitialUpdate();
    UpdateCommands();
  });
  UpdateCommands();
}

// The runtime makes the run mode once its label values and link exist, so
// that both are built whole.
std::unique_ptr<ViewRuntime> CRunLoopUi::MakeRuntime(Profile& profile, MessageSink& messages,
                                                     std::optional<RunModeWorld> runmode) {
  ScriptServicesMaker scripts = ExistingScripts(m_noscripts);
  if (runmode) {
    scripts = [this, world = *runmode](ViewRuntime& runtime) -> ScriptServices& {
      m_runmode = std::make_unique<CRunMode>(m_doc, runtime, m_objects, world);
      return m_runmode->Scripts();
    };
  }
  RuntimeServices services{
      profile,  messages,           m_clock, m_wall, m_pump, *this, m_popupwindow, std::move(scripts),
      m_weblog, m_livelink.Server()};
  services.recordsink = &m_passmessages;
  services.linksink = &m_passmessages;
  services.runstates = &m_objects.runstates;
  return std::make_unique<ViewRuntime>(m_doc, services);
}

CRunLoopUi::~CRunLoopUi() {
  // An upload still running must not wait for a box nobody will answer.
  m_weblogmessages.Cancel();
  if (m_viewalive) m_view.SetPaintHandler(nullptr);
  m_popupwindow.SetBox(nullptr);
  m_popupwindow.Destroy();
}

void CRunLoopUi::OnRunLoopStart() {
  if (m_runtime->IsRunning()) return;
  m_pump.RunGuarded([this] {
    ShowRunning(true);
    // The other commands ask the runtime whether it runs, which it does
    // from its first pass on, and that pass dispatches this.
    QMetaObject::invokeMethod(this, &CRunLoopUi::UpdateCommands, Qt::QueuedConnection);
    m_runtime->StartRunLoop();
  });
  UpdateCommands();
}

void CRunLoopUi::OnRunLoopHalt() {
  m_runtime->HaltRunLoop();
  UpdateCommands();
}

void CRunLoopUi::OnRunLoopMessage(RunLoopMessage message) {
  if (message == RunLoopMessage::Start) {
    OnRunLoopStart();
  } else {
    m_runtime->OnHaltRunLoopMessage();
    UpdateCommands();
  }
}

void CRunLoopUi::UpdateCommands() { m_frame.UpdateCommands(); }

void CRunLoopUi::ShowRunning(bool running) {
  if (QAction* start = m_frame.CommandAction(ID_RUNLOOP_START)) start->setEnabled(!running);
  if (QAction* halt = m_frame.CommandAction(ID_RUNLOOP_HALT)) halt->setEnabled(running);
}

void CRunLoopUi::InvalidateObject(ScreenObjectKind kind, int index) {
  InvalidateRect(ObjectRects(m_doc, m_view.State(), m_page.m_runstates).Of(kind, index));
}

void CRunLoopUi::InvalidateRect(const Rect& rect) {
  m_pagewindow.InvalidateRect(rect, false);
  m_quietregion += QRect(rect.left, rect.top, Width(rect), Height(rect));
  m_pump.NotePaintQueued();
}

void CRunLoopUi::UpdateWindow() { m_view.viewport()->repaint(); }

void CRunLoopUi::DeselectAll() { m_page.DeselectAll(); }

// The page is drawn into an image of the invalid area and copied over, so
// the drawing's own device context never shares the window with the
// view's painter. The image is no larger than that area: a value's repaint
// then costs no window-sized image, and the program keeps no heap the size
// of its window after the first paint. The drawing is clipped to the
// invalid region itself, not its bounds, so that objects between two
// invalid parts are left alone; the view's painter is clipped to it too.
void CRunLoopUi::Paint(QPainter& painter, const QRegion& dirty) {
  const QRegion client =
      dirty.translated(-m_view.State().m_scrollx, -m_view.State().m_scrolly).intersected(m_view.viewport()->rect());
  if (client.isEmpty()) return;
  const QRect bounds = client.boundingRect();
  QImage image(bounds.size(), QImage::Format_RGB32);
  m_page.m_quietpaint = (client - m_quietregion).isEmpty();
  m_quietregion = QRegion();
  {
    QtDeviceContext dc(image, {bounds.left(), bounds.top()}, client);
    m_page.OnEraseBkgnd(dc);
    m_page.OnDraw(dc);
  }
  painter.drawImage(bounds.topLeft() + QPoint(m_view.State().m_scrollx, m_view.State().m_scrolly), image);
}

}  // namespace korvix
