#pragma once

#include <functional>
#include <string>

#include "document/box_records.h"
#include "platform/message_sink.h"
#include "properties/entry_report.h"
#include "properties/property_frame.h"
#include "render/bitmap.h"

namespace korvix {

constexpr const char* kImageBoxHelpTopic = "ImageBox.htm";

// What the Image Box dialog edits.
struct ImageBoxFields {
  std::string bitmapfile;
  int bordercolor = 0;
  std::string borderwidth;
};

enum class ImageBoxField { BitmapFile, BorderWidth };

template <>
struct PropertyKind<ScreenObjectKind::ImageBox> {
  using Fields = ImageBoxFields;
  static Fields Load(const ImageBoxRecord& record);
  static void Store(const Fields& fields, ImageBoxRecord& record);
};

// Trims the file name in place, as the dialog shows it back.
OkCheck<ImageBoxField> CheckImageBoxFields(ImageBoxFields& fields, MessageSink& sink);

// Reads a bitmap file by the name a record holds.
using BitmapReader = std::function<BitmapRead(const std::string& file)>;

// The box takes its picture's size inside its border, never below 20 pixels
// a side. A picture that does not load is reported, and the box keeps its
// size; an empty name keeps it silently.
void FitImageBoxToBitmap(ImageBoxRecord& record, const BitmapReader& reader, MessageSink& sink);

// The Image Box editor: the frame's, with the box sized to its picture
// before it is drawn anew. The page forgets what it had read under the
// stored name, so that a file changed on disk shows as it is now.
void EditImageBox(PropertyFrame& frame, int index, const std::function<DialogOutcome(ImageBoxFields&)>& run,
                  const BitmapReader& reader, MessageSink& sink);

}  // namespace korvix
