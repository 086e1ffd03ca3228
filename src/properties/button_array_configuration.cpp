#include "properties/button_array_configuration.h"

#include <utility>

#include "editor/button_arrays.h"

namespace korvix {

ButtonArrayConfiguration::ButtonArrayConfiguration(CKorvixDoc& doc, int index, Refusal refuse, ButtonDialog dialog)
    : m_doc(doc), m_index(index), m_refuse(std::move(refuse)), m_dialog(std::move(dialog)) {}

int ButtonArrayConfiguration::EditArrayButton(int button) {
  ArrayButtonFields fields = LoadArrayButtonFields(Array().buttons[button]);
  const DialogOutcome outcome = m_dialog(fields);
  if (outcome.ok) {
    StoreArrayButtonFields(fields, Array().buttons[button]);
    m_doc.SetModifiedFlag();
    return 1;
  }
  if (!outcome.remove) return 0;
  if (Array().buttons.Count() <= kMinArrayButtons) {
    m_refuse(kEntryErrorCaption, kTooFewArrayButtonsMessage);
    return 0;
  }
  Array().buttons.Remove(button);
  m_doc.SetModifiedFlag();
  return 1;
}

std::optional<int> ButtonArrayConfiguration::Add() {
  ButtonArrayButtonList& buttons = Array().buttons;
  const int added = buttons.Count();
  if (!AddButtonToArray(m_doc, m_index)) {
    m_refuse(kOverLimitCaption, kTooManyArrayButtonsMessage);
    return std::nullopt;
  }
  if (EditArrayButton(added) == 0) {
    buttons.Remove(added);
    return std::nullopt;
  }
  return added < buttons.Count() ? added : -1;
}

std::optional<int> ButtonArrayConfiguration::Edit(int line) {
  if (line < 0 || line >= Array().buttons.Count()) return std::nullopt;
  const int count = Array().buttons.Count();
  if (EditArrayButton(line) == 0) return std::nullopt;
  return Array().buttons.Count() == count ? line : -1;
}

std::optional<int> ButtonArrayConfiguration::Delete(int line) {
  ButtonArrayButtonList& buttons = Array().buttons;
  if (buttons.Count() <= kMinArrayButtons) {
    m_refuse(kEntryErrorCaption, kTooFewArrayButtonsMessage);
    return std::nullopt;
  }
  if (line < 0 || line >= buttons.Count()) return std::nullopt;
  buttons.Remove(line);
  m_doc.SetModifiedFlag();
  return -1;
}

std::optional<int> ButtonArrayConfiguration::MoveUp(int line) { return Move(line, -1); }

std::optional<int> ButtonArrayConfiguration::MoveDown(int line) { return Move(line, 1); }

std::optional<int> ButtonArrayConfiguration::Move(int line, int direction) {
  ButtonArrayButtonList& buttons = Array().buttons;
  const int to = line + direction;
  if (line < 0 || line >= buttons.Count() || to < 0 || to >= buttons.Count()) return std::nullopt;
  std::swap(buttons[line], buttons[to]);
  m_doc.SetModifiedFlag();
  return to;
}

std::vector<std::string> ButtonArrayConfiguration::Titles() const {
  std::vector<std::string> titles;
  for (const ButtonArrayButton& button : Array().buttons) titles.push_back(button.title);
  return titles;
}

void ButtonArrayConfiguration::Finish(const std::optional<ButtonArraySettings>& applied) {
  ButtonArrayRecord& array = Array();
  if (applied) {
    StoreButtonArraySettings(*applied, array);
    m_doc.SetModifiedFlag();
  }
  for (ButtonArrayButton& button : array.buttons) button.isdown = 0;
  if (array.buttons.Count() > 0) array.buttons[0].isdown = 1;
}

}  // namespace korvix
