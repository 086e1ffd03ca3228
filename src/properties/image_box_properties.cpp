#include "properties/image_box_properties.h"

#include <algorithm>

#include "properties/data_exchange.h"
#include "properties/entry_steps.h"
#include "properties/shared_checks.h"
#include "properties/text_box_properties.h"

namespace korvix {

namespace {

constexpr const char* kExtensionMessage = "The file name must be a bitmap \rimage with a \".bmp\" extension.";
constexpr const char* kBitmapErrorCaption = "Bitmap Error";
constexpr const char* kBitmapFileStart = "The bitmap file \"";
constexpr const char* kMissingEnd = "\"\rcould not be found at this location.";
constexpr const char* kNotBitmapEnd = "\" is not \ra standard encoded bitmap format.";
constexpr std::string_view kBitmapExtension = ".bmp";
constexpr int kSmallestSide = 20;

bool HasBitmapExtension(std::string_view name) {
  if (name.size() < kBitmapExtension.size()) return false;
  const std::string_view tail = name.substr(name.size() - kBitmapExtension.size());
  return std::equal(tail.begin(), tail.end(), kBitmapExtension.begin(),
                    [](char a, char b) { return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b; });
}

}  // namespace

ImageBoxFields PropertyKind<ScreenObjectKind::ImageBox>::Load(const ImageBoxRecord& record) {
  ImageBoxFields fields;
  fields.bitmapfile = record.bitmapfile;
  fields.bordercolor = record.bordercolor;
  fields.borderwidth = std::to_string(record.borderwidth);
  return fields;
}

void PropertyKind<ScreenObjectKind::ImageBox>::Store(const ImageBoxFields& fields, ImageBoxRecord& record) {
  record.bitmapfile = fields.bitmapfile;
  record.bordercolor = fields.bordercolor;
  record.borderwidth = ParseIntegerEntry(fields.borderwidth).value_or(record.borderwidth);
}

OkCheck<ImageBoxField> CheckImageBoxFields(ImageBoxFields& fields, MessageSink& sink) {
  const OkCheck<ImageBoxField> border = FirstRefusal<ImageBoxField>(
      sink, {{ImageBoxField::BorderWidth, IntegerRangeProblem(fields.borderwidth, 0, kMaxBorderWidth)}});
  if (!border.Accepted()) return border;
  fields.bitmapfile = TrimEntry(fields.bitmapfile);
  return FirstRefusal<ImageBoxField>(
      sink, {{ImageBoxField::BitmapFile,
              ProblemIf(!fields.bitmapfile.empty() && !HasBitmapExtension(fields.bitmapfile), kExtensionMessage)}});
}

void FitImageBoxToBitmap(ImageBoxRecord& record, const BitmapReader& reader, MessageSink& sink) {
  if (record.bitmapfile.empty()) return;
  const BitmapRead read = reader(record.bitmapfile);
  if (!read.bitmap) {
    const char* end = read.fault == BitmapFault::Missing ? kMissingEnd : kNotBitmapEnd;
    sink.Show(kBitmapErrorCaption, kBitmapFileStart + record.bitmapfile + end, MessageIcon::Exclamation);
    return;
  }
  record.width = std::max(read.bitmap->Width() + 2 * record.borderwidth, kSmallestSide);
  record.height = std::max(read.bitmap->Height() + 2 * record.borderwidth, kSmallestSide);
}

void EditImageBox(PropertyFrame& frame, int index, const std::function<DialogOutcome(ImageBoxFields&)>& run,
                  const BitmapReader& reader, MessageSink& sink) {
  EditProperties<ScreenObjectKind::ImageBox>(frame, index, [&](ImageBoxFields& fields) {
    DialogOutcome outcome = run(fields);
    if (!outcome.ok) return outcome;
    // Stored ahead of the frame's own write-back, which stores the same
    // again: the box must have its new size when the frame redraws it.
    ImageBoxRecord& record = frame.doc.m_imageboxes[index];
    PropertyKind<ScreenObjectKind::ImageBox>::Store(fields, record);
    frame.page.m_bitmaps.Forget(record.bitmapfile);
    FitImageBoxToBitmap(record, reader, sink);
    return outcome;
  });
}

}  // namespace korvix
