#include "render/value_windows.h"

#include <string>

#include "render/bevel.h"
#include "render/box3d.h"
#include "render/font_cell.h"
#include "render/selection.h"

namespace korvix {

namespace {

constexpr Colour kInputBoxColour = Grey(192);
constexpr Colour kInputBoxEditingColour = Rgb(255, 255, 0);
constexpr Colour kInputValueColour = Rgb(0, 0, 128);
constexpr Colour kInputPendingColour = Grey(204);
constexpr Colour kInputTypedColour = Grey(0);
constexpr Colour kEditCaptionColour = Grey(192);

constexpr int kValueTenths = 10;
constexpr int kTextWindowValueTenths = 9;
constexpr int kTitleTenths = 6;
constexpr int kUnitsTenths = 5;
constexpr int kEditCaptionTenths = 5;

int Trunc(double value) { return static_cast<int>(value); }

int CellWidth(const ViewState& view, int sizecode) { return FontCellSize(sizecode).cx * view.m_fontfactor; }

Font FontOf(std::string_view face, const ViewState& view, int sizecode, int tenths) {
  return {std::string(face), sizecode * view.m_fontfactor * tenths};
}

constexpr TextFormat kOneLine = TextFormat::SingleLine | TextFormat::VCentre | TextFormat::NoPrefix;

struct ValueLook {
  Colour box;
  Colour text;
  std::string_view value;
  TextFormat align;
  int tenths;
};

// The sunken value box with its text, then the raised frame around it.
void DrawValueAndFrame(DrawingContext& context, const Rect& object, const ValueWindowBoxes& boxes, int sizecode,
                       const ValueLook& look) {
  DeviceContext& dc = context.dc;
  const ViewState& view = context.view;
  const Rect& value = boxes.value;
  DrawBevelSunken(view, value.left, value.top, value.right, value.bottom, dc, look.box);
  {
    const int side = Trunc(0.4 * CellWidth(view, sizecode));
    SelectedFont font(dc, FontOf(kFaceArialUnicode, view, sizecode, look.tenths));
    SelectedTextColour colour(dc, look.text);
    SelectedBackgroundMode mode(dc, BackgroundMode::Transparent);
    dc.DrawText(look.value, {value.left + side, value.top, value.right - side, value.bottom}, look.align | kOneLine);
  }
  SavedState saved(dc);
  dc.ExcludeClipRect(value);
  DrawBevelRaised(view, object.left, object.top, object.right, object.bottom, dc);
}

void DrawLabel(DrawingContext& context, std::string_view text, const Rect& box, int sizecode, int tenths,
               Colour colour) {
  DeviceContext& dc = context.dc;
  SelectedFont font(dc, FontOf(kFaceTimesNewRoman, context.view, sizecode, tenths));
  SelectedTextColour textcolour(dc, colour);
  SelectedBackgroundMode mode(dc, BackgroundMode::Transparent);
  dc.DrawText(text, box, TextFormat::Centre | kOneLine);
}

template <class Record>
void DrawDataOrTextWindow(DrawingContext& context, const Record& r, const Rect& object, const ValueLook& look) {
  const ValueWindowBoxes boxes = LayoutValueWindow(context.view, object, r.sizecode, r.prefixwidth, r.widthfactor);
  DrawValueAndFrame(context, object, boxes, r.sizecode, look);
  const Colour labels = static_cast<Colour>(r.fontcolor);
  DrawLabel(context, r.prefix, boxes.title, r.sizecode, kTitleTenths, labels);
  DrawLabel(context, r.suffix, boxes.units, r.sizecode, kUnitsTenths, labels);
}

void DrawEditButton(DrawingContext& context, int index, int sizecode, bool held) {
  DeviceContext& dc = context.dc;
  const Rect button = context.geometry.ObjectRectInputWindowEditButton(index);
  Draw3DBox(context.view, button, dc, held ? 1 : 0, kSchemeBlue);
  const int shift = held ? 1 : 0;
  DrawLabel(context, kEditButtonCaption, Offset(button, shift, shift), sizecode, kEditCaptionTenths,
            kEditCaptionColour);
}

}  // namespace

ValueWindowBoxes LayoutValueWindow(const ViewState& view, const Rect& object, int sizecode, int titlechars,
                                   double widthfactor) {
  const int c = CellWidth(view, sizecode);
  const int titlewidth = SnapExtent(c * titlechars, view.m_gridsize);
  const int valuewidth = SnapExtent(Trunc(c * widthfactor), view.m_gridsize);
  const int side = Trunc(0.1 * c);
  const int cap = Trunc(0.13 * Height(object));
  const int valueleft = object.left + titlewidth;
  const int valueright = valueleft + valuewidth;
  return {{object.left + side, object.top, valueleft - side, object.bottom},
          {valueleft, object.top + cap, valueright, object.bottom - cap},
          {valueright + side, object.top, object.right - side, object.bottom}};
}

Rect ValueAreaDataWindow(CKorvixDoc& doc, const ViewState& view, ObjectGeometry& geometry, int index) {
  const DataWindowRecord& r = doc.m_datawindows[index];
  return LayoutValueWindow(view, geometry.ObjectRectDataWindow(index), r.sizecode, r.prefixwidth, r.widthfactor).value;
}

Rect ValueAreaTextWindow(CKorvixDoc& doc, const ViewState& view, ObjectGeometry& geometry, int index) {
  const TextWindowRecord& r = doc.m_textwindows[index];
  return LayoutValueWindow(view, geometry.ObjectRectTextWindow(index), r.sizecode, r.prefixwidth, r.widthfactor).value;
}

void DrawDataWindow(DrawingContext& context, int index) {
  const DataWindowRecord& r = context.doc.m_datawindows[index];
  const Rect object = context.geometry.ObjectRectDataWindow(index);
  DrawDataOrTextWindow(context, r, object,
                       {static_cast<Colour>(r.runcolor2), static_cast<Colour>(r.runcolor1), r.valuetext,
                        TextFormat::Right, kValueTenths});
}

void DrawTextWindow(DrawingContext& context, int index) {
  const TextWindowRecord& r = context.doc.m_textwindows[index];
  const Rect object = context.geometry.ObjectRectTextWindow(index);
  DrawDataOrTextWindow(context, r, object,
                       {static_cast<Colour>(r.curbgcolor), static_cast<Colour>(r.curtextcolor), r.valuetext,
                        TextFormat::Centre, kTextWindowValueTenths});
}

void DrawInputWindow(DrawingContext& context, int index, const InputWindowRunState& state) {
  const InputWindowRecord& r = context.doc.m_inputwindows[index];
  const Rect object = context.geometry.ObjectRectInputWindow(index);
  const ValueWindowBoxes boxes = LayoutValueWindow(context.view, object, r.sizecode, r.titlewidth, r.widthfactor);
  const ValueLook look =
      state.editing != 0
          ? ValueLook{kInputBoxEditingColour, state.editpending != 0 ? kInputPendingColour : kInputTypedColour,
                      state.edittext, TextFormat::Right, kValueTenths}
          : ValueLook{kInputBoxColour, kInputValueColour, r.valuetext, TextFormat::Right, kValueTenths};
  DrawValueAndFrame(context, object, boxes, r.sizecode, look);
  DrawLabel(context, r.title, boxes.title, r.sizecode, kTitleTenths, static_cast<Colour>(r.inputcolor));
  DrawEditButton(context, index, r.sizecode, state.editbuttonheld != 0);
}

}  // namespace korvix
