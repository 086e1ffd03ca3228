#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "render/drawing_context.h"
#include "render/rect.h"

namespace korvix {

enum class PIRow { SetPoint = 0, Value = 1, Output = 2, Kp = 3, Ki = 4 };
inline constexpr int kPIRowCount = 5;

enum class PIStepButton { SetPointUp, SetPointDown, KpUp, KpDown, KiUp, KiDown };

// The panel's parts: a caption and a value box per row, and an up and a down
// step button beside the set point, Kp and Ki.
struct PIControllerLayout {
  Rect title;
  std::array<Rect, kPIRowCount> captions{};
  std::array<Rect, kPIRowCount> values{};
  std::array<Rect, 6> buttons{};  // indexed by PIStepButton
};

PIControllerLayout PIControllerPanel(const Rect& object, const ViewState& view, int sizecode);

// What the controller works with while the Run-Loop runs; the record holds
// neither its set point nor its output.
struct PIControllerReadings {
  std::string_view setpoint;
  std::string_view output;
  std::optional<PIStepButton> pressed;
};

// The panel with the record's value (its converted sensor reading), Kp and
// Ki; set point and output empty.
void DrawPIController(DrawingContext& context, int index);
void DrawPIController(DrawingContext& context, int index, const PIControllerReadings& readings);

}  // namespace korvix
