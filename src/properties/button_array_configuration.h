#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "document/korvix_doc.h"
#include "properties/button_array_properties.h"
#include "properties/property_frame.h"

namespace korvix {

constexpr const char* kOverLimitCaption = "Over Limit";
constexpr const char* kTooManyArrayButtonsMessage = "A Button Array can not contain more than 100 sub buttons.";
constexpr const char* kTooFewArrayButtonsMessage = "A Button Array must have at least 2 buttons.";
constexpr int kMinArrayButtons = 2;

// The requests of the Button Array Configuration over one array of the
// document. Every change to the sub buttons is in the project as soon as
// its request is served, and marks it modified.
class ButtonArrayConfiguration {
public:
  // Shows a refusal while the configuration waits; the array is unchanged.
  using Refusal = std::function<void(const std::string& caption, const std::string& text)>;
  // Runs the Button Properties dialog; the fields come back with OK.
  using ButtonDialog = std::function<DialogOutcome(ArrayButtonFields& fields)>;

  ButtonArrayConfiguration(CKorvixDoc& doc, int index, Refusal refuse, ButtonDialog dialog);

  // The Button Properties of one sub button: 1 when it ended with OK or
  // removed the button, 0 when it was cancelled or its removal refused.
  int EditArrayButton(int button);

  // Each request gives the list line to select once the list is filled
  // again (-1: none), or no value when the list stays as it is.
  std::optional<int> Add();
  std::optional<int> Edit(int line);
  std::optional<int> Delete(int line);
  std::optional<int> MoveUp(int line);
  std::optional<int> MoveDown(int line);

  // The sub-button titles, left-most first.
  std::vector<std::string> Titles() const;

  // Once the editor ends: the settings only when "Close" accepted them,
  // and whatever was down before, the left-most sub button down.
  void Finish(const std::optional<ButtonArraySettings>& applied);

private:
  ButtonArrayRecord& Array() const { return m_doc.m_buttonarrays[m_index]; }
  std::optional<int> Move(int line, int direction);

  CKorvixDoc& m_doc;
  int m_index;
  Refusal m_refuse;
  ButtonDialog m_dialog;
};

}  // namespace korvix
