#include "render/controls/push_button.h"

#include "render/box3d.h"
#include "render/controls/control_parts.h"

namespace korvix {

void DrawPushButton(DrawingContext& context, int index) { DrawPushButton(context, index, false); }

void DrawPushButton(DrawingContext& context, int index, bool pressed) {
  const PushButtonRecord& r = context.doc.m_pushbuttons[index];
  const Rect rect = context.geometry.ObjectRectPushButton(index);
  Draw3DBox(context.view, rect, context.dc, pressed ? 1 : 0, kSchemeGray);
  // The caption sinks with the face.
  const Rect caption = pressed ? Offset(rect, 1, 1) : rect;
  DrawLabel(context.dc, r.title, caption, ObjectFont(kFaceArial, r.sizecode, context.view, 6),
            static_cast<Colour>(r.textcolor));
}

}  // namespace korvix
