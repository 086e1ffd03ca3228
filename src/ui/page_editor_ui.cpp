#include "ui/page_editor_ui.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFocusEvent>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/colorref.h"
#include "ui/korvix_view.h"
#include "ui/latin1.h"
#include "ui/main_frame.h"

namespace korvix {

namespace {

// The kinds after which the Place-Object menu draws a line. The Pivot
// Tracker is put in at its place by start-up.
constexpr ScreenObjectKind kPlaceGroupEnds[] = {ScreenObjectKind::ImageBox, ScreenObjectKind::InputWindow,
                                                ScreenObjectKind::WindVane, ScreenObjectKind::EventTimer,
                                                ScreenObjectKind::SliderControl};

constexpr char kDeleteText[] = "&Delete";
constexpr char kCutText[] = "Cu&t";
constexpr char kCopyText[] = "&Copy";
constexpr char kPasteText[] = "&Paste";
constexpr char kBringToFrontText[] = "Bring to &Front";
constexpr char kSendToBackText[] = "Send to &Back";
constexpr char kPropertiesText[] = "P&roperties...";
constexpr char kPageAddText[] = "&Add a Page";
constexpr char kPageDeleteText[] = "&Delete this Page";
constexpr char kPageMoveText[] = "&Move this Page...";
constexpr char kPageFirstText[] = "&First Page";
constexpr char kPagePreviousText[] = "&Previous Page";
constexpr char kPageNextText[] = "&Next Page";
constexpr char kPageLastText[] = "&Last Page";
constexpr char kPageColorText[] = "Background &Color...";
constexpr char kPageBitmapText[] = "Background &Bitmap...";

constexpr char kDeletePageCaption[] = "Delete this Page";
constexpr char kDeletePageQuestion[] = "The page and every object on it will be deleted.\rDelete this page?";
constexpr char kMovePageTitle[] = "Move this Page";
constexpr char kMovePageLabel[] = "New page number:";
constexpr char kBitmapTitle[] = "Page Background Bitmap";
constexpr char kBitmapFilter[] = "Bitmap files (*.bmp);;All files (*)";

Point PointOf(const QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  return {p.x(), p.y()};
}

unsigned KeyFlags(Qt::KeyboardModifiers modifiers) {
  unsigned flags = 0;
  if (modifiers & Qt::ShiftModifier) flags |= kKeyShift;
  if (modifiers & Qt::ControlModifier) flags |= kKeyControl;
  return flags;
}

}  // namespace

// The dotted frames a move, a resize or a group drag shows while the
// button is held, drawn over the page without touching it.
// The focus rectangles of a drag over the viewport. The viewport owns it; it
// keeps its own copy of what it shows, so it never reads an editor that has
// gone before it.
class CPageEditorUi::Feedback final : public QWidget {
public:
  explicit Feedback(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    setGeometry(parent->rect());
    show();
  }

  void Show(const std::vector<Rect>& rects) {
    m_rects = rects;
    update();
  }

protected:
  void paintEvent(QPaintEvent*) override {
    if (m_rects.empty()) return;
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    for (const Rect& r : m_rects) painter.drawRect(r.left, r.top, Width(r) - 1, Height(r) - 1);
  }

private:
  std::vector<Rect> m_rects;
};

PageDialogs PageDialogs::Standard() {
  PageDialogs dialogs;
  dialogs.choosePosition = [](QWidget* parent, int page, int pages) -> std::optional<int> {
    bool ok = false;
    const int to = QInputDialog::getInt(parent, QString::fromLatin1(kMovePageTitle),
                                        QString::fromLatin1(kMovePageLabel), page, 1, pages, 1, &ok);
    if (!ok) return std::nullopt;
    return to;
  };
  dialogs.chooseColor = [](QWidget* parent, int color) -> std::optional<int> {
    const QColor chosen = QColorDialog::getColor(ToQColor(color), parent);
    if (!chosen.isValid()) return std::nullopt;
    return ToColorRef(chosen);
  };
  dialogs.chooseBitmap = [](QWidget* parent, const std::string& file) -> std::optional<std::string> {
    const QString chosen = QFileDialog::getOpenFileName(parent, QString::fromLatin1(kBitmapTitle), ToQString(file),
                                                        QString::fromLatin1(kBitmapFilter));
    if (chosen.isEmpty()) return std::nullopt;
    return FromQString(chosen);
  };
  return dialogs;
}

CPageEditorUi::CPageEditorUi(CMainFrame& frame, CKorvixDoc& doc, PageView& page, ViewWindow& window,
                             MessageSink& messages, ChartMemoryHook& chartmemories, PropertyEditors& editors,
                             PageDialogs dialogs)
    : m_frame(frame),
      m_view(*frame.View()),
      m_doc(doc),
      m_page(page),
      m_messages(messages),
      m_dialogs(std::move(dialogs)),
      m_editor(doc, m_view.State(), page, window, messages, chartmemories),
      m_mouse(doc, m_view.State(), page, window, m_editor, editors),
      m_feedback(new Feedback(m_view.viewport())) {
  AddPlaceMenu();
  AddEditMenu();
  AddPageMenu();
  m_view.AddInitialUpdateStep([this] {
    m_mouse.OnKillFocus();
    m_editor.OnInitialUpdate();
    Refresh();
  });
  connect(&m_frame, &CMainFrame::CommandUpdate, this, &CPageEditorUi::UpdateCommands);
  UpdateCommands();
}

// An editor that goes mid-drag leaves no rectangles behind.
CPageEditorUi::~CPageEditorUi() {
  if (m_feedback) m_feedback->Show({});
}

void CPageEditorUi::AddPlaceMenu() {
  ForEachKind([&](auto tag) {
    constexpr ScreenObjectKind K = decltype(tag)::value;
    auto place = [this] {
      if (!PlacingAllowed()) return;
      m_editor.Place(K);
      Refresh();
    };
    if constexpr (K == ScreenObjectKind::PivotTracker) {
      m_frame.SetCommandHandler(PlaceCommand(K), place);
    } else {
      m_frame.AddCommand(kPlaceObjectMenu, PlaceCommand(K), std::string(KindTraits<K>::kName), place);
      for (ScreenObjectKind end : kPlaceGroupEnds)
        if (end == K) m_frame.AddSeparator(kPlaceObjectMenu);
    }
  });
}

void CPageEditorUi::AddEditMenu() {
  const auto unlocked = [this](void (CPageEditor::*command)()) {
    return [this, command] {
      if (m_editor.Locked()) return;
      (m_editor.*command)();
      Refresh();
    };
  };
  m_frame.AddCommand(kEditMenu, ID_EDIT_CUT, kCutText, unlocked(&CPageEditor::OnEditCut), QKeySequence::Cut);
  m_frame.AddCommand(
      kEditMenu, ID_EDIT_COPY, kCopyText,
      [this] {
        m_editor.OnEditCopy();
        Refresh();
      },
      QKeySequence::Copy);
  m_frame.AddCommand(kEditMenu, ID_EDIT_PASTE, kPasteText, unlocked(&CPageEditor::OnEditPaste), QKeySequence::Paste);
  m_frame.AddCommand(kEditMenu, ID_EDIT_CLEAR, kDeleteText, unlocked(&CPageEditor::OnEditDelete), QKeySequence::Delete);
  m_frame.AddSeparator(kEditMenu);
  m_frame.AddCommand(kEditMenu, ID_EDIT_BRING_TO_FRONT, kBringToFrontText, unlocked(&CPageEditor::OnEditBringToFront));
  m_frame.AddCommand(kEditMenu, ID_EDIT_SEND_TO_BACK, kSendToBackText, unlocked(&CPageEditor::OnEditSendToBack));
  m_frame.AddSeparator(kEditMenu);
  m_frame.AddCommand(kEditMenu, ID_EDIT_PROPERTIES, kPropertiesText, [this] {
    m_mouse.OnEditProperties();
    Refresh();
  });
}

void CPageEditorUi::AddPageMenu() {
  const auto run = [this](void (CPageEditor::*command)()) {
    return [this, command] {
      (m_editor.*command)();
      Refresh();
    };
  };
  m_frame.AddCommand(kPageMenu, ID_PAGE_ADD, kPageAddText, [this] {
    if (m_editor.Locked()) return;
    m_editor.OnPageAdd();
    Refresh();
  });
  m_frame.AddCommand(kPageMenu, ID_PAGE_DELETE, kPageDeleteText, [this] { OnPageDeleteAsked(); });
  m_frame.AddCommand(kPageMenu, ID_PAGE_MOVE, kPageMoveText, [this] { OnPageMoveAsked(); });
  m_frame.AddSeparator(kPageMenu);
  m_frame.AddCommand(kPageMenu, ID_PAGE_FIRST, kPageFirstText, run(&CPageEditor::OnPageFirst));
  m_frame.AddCommand(kPageMenu, ID_PAGE_PREVIOUS, kPagePreviousText, run(&CPageEditor::OnPagePrevious));
  m_frame.AddCommand(kPageMenu, ID_PAGE_NEXT, kPageNextText, run(&CPageEditor::OnPageNext));
  m_frame.AddCommand(kPageMenu, ID_PAGE_LAST, kPageLastText, run(&CPageEditor::OnPageLast));
  m_frame.AddSeparator(kPageMenu);
  m_frame.AddCommand(kPageMenu, ID_PAGE_BACKGROUND_COLOR, kPageColorText, [this] { OnPageColorAsked(); });
  m_frame.AddCommand(kPageMenu, ID_PAGE_BACKGROUND_BITMAP, kPageBitmapText, [this] { OnPageBitmapAsked(); });
}

void CPageEditorUi::OnPageDeleteAsked() {
  if (m_editor.Locked()) return;
  if (m_messages.Show(kDeletePageCaption, kDeletePageQuestion, MessageIcon::Question, MessageButtons::YesNo) !=
      MessageResult::Yes)
    return;
  m_editor.OnPageDelete();
  Refresh();
}

void CPageEditorUi::OnPageMoveAsked() {
  if (m_editor.Locked()) return;
  const std::optional<int> to = m_dialogs.choosePosition(&m_frame, m_doc.m_curpage, m_doc.m_pages.Count());
  if (!to) return;
  m_editor.MovePage(*to);
  Refresh();
}

void CPageEditorUi::OnPageColorAsked() {
  if (m_editor.Locked() || m_doc.m_curpage < 1 || m_doc.m_curpage > m_doc.m_pages.Count()) return;
  const PageRecord& page = m_doc.m_pages[m_doc.m_curpage];
  const std::optional<int> color = m_dialogs.chooseColor(&m_frame, page.bgcolor);
  if (!color) return;
  m_editor.SetPageBackground(*color, page.bgbitmapfile);
  Refresh();
}

void CPageEditorUi::OnPageBitmapAsked() {
  if (m_editor.Locked() || m_doc.m_curpage < 1 || m_doc.m_curpage > m_doc.m_pages.Count()) return;
  const PageRecord& page = m_doc.m_pages[m_doc.m_curpage];
  const std::optional<std::string> file = m_dialogs.chooseBitmap(&m_frame, page.bgbitmapfile);
  if (!file) return;
  m_editor.SetPageBackground(page.bgcolor, *file);
  Refresh();
}

void CPageEditorUi::UpdateCommands() {
  const bool unlocked = !m_editor.Locked();
  const bool selection = m_page.m_numselected > 0;
  const auto enable = [this](CommandId id, bool enabled) {
    if (QAction* action = m_frame.CommandAction(id)) action->setEnabled(enabled);
  };
  ForEachKind([&](auto tag) { enable(PlaceCommand(tag.value), PlacingAllowed()); });
  enable(ID_EDIT_CUT, unlocked && selection);
  enable(ID_EDIT_COPY, selection);
  enable(ID_EDIT_PASTE, unlocked && !m_editor.ClipboardEmpty());
  enable(ID_EDIT_CLEAR, unlocked && selection);
  enable(ID_EDIT_BRING_TO_FRONT, unlocked && selection);
  enable(ID_EDIT_SEND_TO_BACK, unlocked && selection);
  enable(ID_EDIT_PROPERTIES, m_mouse.CanEditProperties());
  enable(ID_PAGE_ADD, unlocked);
  enable(ID_PAGE_DELETE, unlocked);
  enable(ID_PAGE_MOVE, unlocked && m_doc.m_pages.Count() > 1);
  enable(ID_PAGE_FIRST, m_doc.m_curpage > 1);
  enable(ID_PAGE_PREVIOUS, m_doc.m_curpage > 1);
  enable(ID_PAGE_NEXT, m_doc.m_curpage < m_doc.m_pages.Count());
  enable(ID_PAGE_LAST, m_doc.m_curpage < m_doc.m_pages.Count());
  enable(ID_PAGE_BACKGROUND_COLOR, unlocked);
  enable(ID_PAGE_BACKGROUND_BITMAP, unlocked);
}

bool CPageEditorUi::PlacingAllowed() const { return !m_editor.Locked() && !(m_running && m_running()); }

void CPageEditorUi::Refresh() {
  UpdateCommands();
  m_feedback->setGeometry(m_view.viewport()->rect());
  m_feedback->raise();
  m_feedback->Show(m_mouse.Feedback());
}

bool CPageEditorUi::OnViewEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      const Point point = PointOf(mouse);
      if (mouse->button() == Qt::LeftButton) {
        const unsigned flags = KeyFlags(mouse->modifiers());
        if (event->type() == QEvent::MouseButtonDblClick)
          m_mouse.OnLButtonDblClk(flags, point);
        else
          m_mouse.OnLButtonDown(flags, point);
      } else if (mouse->button() == Qt::RightButton) {
        m_mouse.OnRButtonDown(point);
      } else {
        return false;
      }
      Refresh();
      return true;
    }
    case QEvent::MouseMove: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      const Point point = PointOf(mouse);
      if (m_mouse.Tracking() || m_view.State().m_dragstate != 0) {
        m_mouse.OnMouseMove(point);
        m_feedback->Show(m_mouse.Feedback());
        return true;
      }
      if (!m_page.OnSetCursor(point)) m_view.viewport()->setCursor(Qt::ArrowCursor);
      return false;
    }
    case QEvent::MouseButtonRelease: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::LeftButton) return false;
      m_mouse.OnLButtonUp(PointOf(mouse));
      Refresh();
      return true;
    }
    case QEvent::FocusOut:
      m_mouse.OnKillFocus();
      Refresh();
      return false;
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      if (m_page.m_numselected == 0) return false;
      int dx = 0;
      int dy = 0;
      switch (key->key()) {
        case Qt::Key_Left: dx = -1; break;
        case Qt::Key_Right: dx = 1; break;
        case Qt::Key_Up: dy = -1; break;
        case Qt::Key_Down: dy = 1; break;
        default: return false;
      }
      m_editor.Nudge(dx, dy);
      Refresh();
      return true;
    }
    case QEvent::Resize: m_feedback->setGeometry(m_view.viewport()->rect()); return false;
    default: return false;
  }
}

}  // namespace korvix
