#pragma once

#include <string_view>

#include "document/chart_recorder_record.h"
#include "render/device_context.h"
#include "render/view_state.h"

namespace korvix {

inline constexpr TextFormat kOneLineCentred =
    TextFormat::Centre | TextFormat::VCentre | TextFormat::SingleLine | TextFormat::NoPrefix;
inline constexpr TextFormat kOneLineLeft =
    TextFormat::Left | TextFormat::VCentre | TextFormat::SingleLine | TextFormat::NoPrefix;

// Captions, band texts and readouts.
Font ChartTextFont(const ChartRecorderRecord& r, const ViewState& view);
// Legend card titles and captions, a little smaller than the other texts.
Font ChartTitleFont(const ChartRecorderRecord& r, const ViewState& view);
// The Unit/Div and Position value boxes.
Font ChartValueFont(const ChartRecorderRecord& r, const ViewState& view);

// A two-decimal division text ("35.00") as hundredths of a division; no
// number gives 0.
double HundredthsOf(std::string_view text);

}  // namespace korvix
