#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/image_box.h"
#include "render/testing/recording_device_context.h"
#include "render/text_box.h"
#include "render/value_windows.h"

namespace korvix {
namespace {

using Op = RecordingDeviceContext::Op;
using Call = RecordingDeviceContext::Call;

class BoxesTest : public ::testing::Test {
protected:
  BoxesTest() { m_doc.m_pages.Add(); }

  DrawingContext Context() { return {m_dc, m_doc, m_view, m_geometry, m_states}; }

  std::vector<Call> Texts() const { return m_dc.Only(Op::DrawText); }
  const Call& TextCall(std::string_view text) const {
    for (const Call& call : m_dc.calls)
      if (call.op == Op::DrawText && call.text == text) return call;
    ADD_FAILURE() << "no text " << text;
    return m_dc.calls.front();
  }

  CKorvixDoc m_doc;
  ViewState m_view;
  ObjectRunStates m_states;
  ObjectGeometry m_geometry{m_doc, m_view, m_states};
  RecordingDeviceContext m_dc;
};

TEST_F(BoxesTest, TextBoxFrameTakesTheFillColourWithoutABorderWidth) {
  TextBoxRecord r;
  r.bgcolor = Rgb(10, 20, 30);
  r.bordercolor = Rgb(200, 0, 0);
  r.borderwidth = 0;
  m_doc.m_textboxes.Add(r);
  r.borderwidth = 3;
  m_doc.m_textboxes.Add(r);
  DrawingContext context = Context();
  DrawTextBox(context, 0);
  DrawTextBox(context, 1);
  const auto frames = m_dc.Only(Op::Rectangle);
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_EQ(frames[0].pen, InsideFramePen(0, Rgb(10, 20, 30)));
  EXPECT_EQ(frames[1].pen, InsideFramePen(3, Rgb(200, 0, 0)));
  EXPECT_EQ(frames[0].brush, SolidBrush(Rgb(10, 20, 30)));
  EXPECT_EQ(m_dc.CurrentPen(), Pen{});
}

TEST_F(BoxesTest, TextBoxAlignsWrappedTextInsideItsBorderAndHalfACell) {
  struct Case {
    int alignment;
    TextFormat side;
  };
  for (const Case& c : {Case{0, TextFormat::Left}, Case{1, TextFormat::Centre}, Case{2, TextFormat::Right},
                        Case{7, TextFormat::Left}}) {
    m_doc.m_textboxes.Clear();
    m_dc.calls.clear();
    TextBoxRecord r;
    r.x = 10;
    r.y = 10;
    r.alignment = c.alignment;
    r.fontcolor = Rgb(0, 0, 255);
    m_doc.m_textboxes.Add(r);
    DrawingContext context = Context();
    DrawTextBox(context, 0);
    const Rect object = m_geometry.ObjectRectTextBox(0);
    const Call& text = TextCall(r.text);
    // Border 2 plus half of the 16-pixel cell.
    EXPECT_EQ(text.rect, Inflated(object, -10, -10)) << c.alignment;
    EXPECT_EQ(text.format, c.side | TextFormat::WordBreak | TextFormat::NoPrefix) << c.alignment;
    EXPECT_EQ(text.font, (Font{"Arial", 28 * 6}));
    EXPECT_EQ(text.textcolour, Rgb(0, 0, 255));
  }
}

TEST_F(BoxesTest, JustifiedTextBoxStretchesAllButTheLastLineToTheBoxWidth) {
  TextBoxRecord r;
  r.alignment = 3;
  r.widthfactor = 11;  // 175 pixels, a box of 155
  r.heightfactor = 3;
  r.text = "level sensor above the limit";
  m_doc.m_textboxes.Add(r);
  DrawingContext context = Context();
  DrawTextBox(context, 0);
  const Rect object = m_geometry.ObjectRectTextBox(0);
  const auto lines = m_dc.Only(Op::TextOut);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].text, "level sensor above");
  EXPECT_EQ(lines[0].extra, 155 - 18 * RecordingDeviceContext::kCharWidth);
  EXPECT_EQ(lines[0].from, (Point{object.left + 10, object.top + 10}));
  EXPECT_EQ(lines[1].text, "the limit");
  EXPECT_EQ(lines[1].extra, 0);
  EXPECT_EQ(lines[1].from.y, lines[0].from.y + RecordingDeviceContext::kLineHeight);
  // The lines are cut at the box, not at the device.
  EXPECT_EQ(m_dc.Count(Op::ExcludeClipRect), 4u);
  EXPECT_EQ(m_dc.SavedDepth(), 0u);
}

TEST_F(BoxesTest, DataWindowSinksItsValueBoxAndFramesEverythingElse) {
  DataWindowRecord r;
  r.x = 10;
  r.y = 20;
  r.valuetext = "12.5";
  r.runcolor1 = Rgb(1, 2, 3);
  r.runcolor2 = Rgb(4, 5, 6);
  r.fontcolor = Rgb(7, 8, 9);
  m_doc.m_datawindows.Add(r);
  DrawingContext context = Context();
  DrawDataWindow(context, 0);

  // Title 80, value 130, units 65 pixels wide; 60 high.
  EXPECT_EQ(m_geometry.ObjectRectDataWindow(0), (Rect{10, 20, 285, 80}));
  const Rect value{90, 27, 220, 73};
  EXPECT_EQ(ValueAreaDataWindow(m_doc, m_view, m_geometry, 0), value);
  const auto faces = m_dc.Only(Op::Rectangle);
  ASSERT_EQ(faces.size(), 2u);
  EXPECT_EQ(faces[0].rect, value);
  EXPECT_EQ(faces[0].brush, SolidBrush(Rgb(4, 5, 6)));
  EXPECT_EQ(faces[1].rect, (Rect{10, 20, 285, 80}));
  EXPECT_EQ(faces[1].brush, SolidBrush(Grey(153)));
  const auto excluded = m_dc.Only(Op::ExcludeClipRect);
  ASSERT_EQ(excluded.size(), 1u);
  EXPECT_EQ(excluded[0].rect, value);
  EXPECT_EQ(m_dc.SavedDepth(), 0u);

  const Call& shown = TextCall("12.5");
  EXPECT_EQ(shown.rect, (Rect{96, 27, 214, 73}));
  EXPECT_EQ(shown.format, TextFormat::Right | TextFormat::SingleLine | TextFormat::VCentre | TextFormat::NoPrefix);
  EXPECT_EQ(shown.font, (Font{"Arial Unicode MS", 280}));
  EXPECT_EQ(shown.textcolour, Rgb(1, 2, 3));
  const Call& title = TextCall("TITLE");
  EXPECT_EQ(title.rect, (Rect{11, 20, 89, 80}));
  EXPECT_EQ(title.font, (Font{"Times New Roman", 168}));
  EXPECT_EQ(title.textcolour, Rgb(7, 8, 9));
  const Call& units = TextCall("UNITS");
  EXPECT_EQ(units.rect, (Rect{221, 20, 284, 80}));
  EXPECT_EQ(units.font, (Font{"Times New Roman", 140}));
}

TEST_F(BoxesTest, TextWindowCentresItsMessageInTheCurrentColours) {
  TextWindowRecord r;
  r.valuetext = "Pump running";
  r.curtextcolor = Rgb(0, 128, 0);
  r.curbgcolor = Rgb(255, 255, 255);
  m_doc.m_textwindows.Add(r);
  DrawingContext context = Context();
  DrawTextWindow(context, 0);
  const Call& shown = TextCall("Pump running");
  EXPECT_TRUE(HasFlag(shown.format, TextFormat::Centre));
  EXPECT_EQ(shown.font, (Font{"Arial Unicode MS", 28 * 9}));
  EXPECT_EQ(shown.textcolour, Rgb(0, 128, 0));
  EXPECT_EQ(m_dc.Only(Op::Rectangle).front().rect, ValueAreaTextWindow(m_doc, m_view, m_geometry, 0));
  EXPECT_EQ(m_dc.Only(Op::Rectangle).front().brush, SolidBrush(Rgb(255, 255, 255)));
}

TEST_F(BoxesTest, InputWindowShowsTheTypedTextWhileEditedAndItsEditButton) {
  InputWindowRecord r;
  r.valuetext = "42";
  m_doc.m_inputwindows.Add(r);
  struct Case {
    InputWindowRunState state;
    std::string shown;
    Colour box;
    Colour text;
  };
  const InputWindowRunState atrest;
  InputWindowRunState typing;
  typing.editing = 1;
  typing.edittext = "43";
  InputWindowRunState pending = typing;
  pending.editpending = 1;
  const std::vector<Case> cases{{atrest, "42", Grey(192), Rgb(0, 0, 128)},
                                {typing, "43", Rgb(255, 255, 0), Grey(0)},
                                {pending, "43", Rgb(255, 255, 0), Grey(204)}};
  for (const Case& c : cases) {
    m_dc.calls.clear();
    DrawingContext context = Context();
    DrawInputWindow(context, 0, c.state);
    EXPECT_EQ(m_dc.Only(Op::Rectangle).front().brush, SolidBrush(c.box)) << c.shown;
    EXPECT_EQ(TextCall(c.shown).textcolour, c.text) << c.shown;
  }

  const Rect button = m_geometry.ObjectRectInputWindowEditButton(0);
  for (const int held : {0, 1}) {
    m_dc.calls.clear();
    InputWindowRunState state;
    state.editbuttonheld = held;
    DrawingContext context = Context();
    DrawInputWindow(context, 0, state);
    const auto faces = m_dc.Only(Op::Rectangle);
    EXPECT_EQ(faces.back().rect, button);
    EXPECT_EQ(faces.back().brush, SolidBrush(Rgb(51, 51, 153)));
    const Call& caption = TextCall("Edit");
    EXPECT_EQ(caption.rect, Offset(button, held, held));
    EXPECT_EQ(caption.textcolour, Grey(192));
    EXPECT_EQ(caption.font, (Font{"Times New Roman", 28 * 5}));
    // Drawn after the frame, so that the frame does not cover it.
    EXPECT_EQ(m_dc.calls.back().text, "Edit");
  }
}

TEST_F(BoxesTest, ImageBoxCentresItsBitmapOrShowsTheWordImage) {
  ImageBoxRecord r;
  r.x = 10;
  r.y = 10;
  r.width = 100;
  r.height = 60;
  r.borderwidth = 0;
  m_doc.m_pages[1].bgcolor = Rgb(9, 9, 9);
  m_doc.m_imageboxes.Add(r);
  DrawingContext context = Context();
  DrawImageBox(context, 0, nullptr);
  EXPECT_EQ(m_dc.Only(Op::Rectangle).front().pen, InsideFramePen(0, Rgb(9, 9, 9)));
  EXPECT_EQ(m_dc.Only(Op::Rectangle).front().brush, SolidBrush(Rgb(9, 9, 9)));
  EXPECT_EQ(TextCall("Image").textcolour, Grey(0));
  EXPECT_EQ(m_dc.Count(Op::DrawBitmap), 0u);

  m_dc.calls.clear();
  const Bitmap bitmap(40, 20, std::vector<std::uint32_t>(800, 0xFF000000u));
  DrawImageBox(context, 0, &bitmap);
  ASSERT_EQ(m_dc.Count(Op::DrawBitmap), 1u);
  EXPECT_EQ(m_dc.Only(Op::DrawBitmap).front().from, (Point{40, 30}));
  EXPECT_EQ(m_dc.Count(Op::DrawText), 0u);
}

}  // namespace
}  // namespace korvix
