#pragma once

#include <string>

class QWidget;

namespace korvix {

enum class SaveChoice { Save, Discard, Cancel };

// The questions the shell puts to the user, behind one interface so that
// tests can answer them.
class ShellDialogs {
public:
  virtual ~ShellDialogs() = default;
  // "Korvix Update": true means "Install".
  virtual bool OfferUpdate(QWidget* parent) = 0;
  virtual void ShowNewInVersion(QWidget* parent) = 0;
  virtual void ShowAbout(QWidget* parent, const std::string& versiontext) = 0;
  // Empty when the user cancels.
  virtual std::string AskOpenFileName(QWidget* parent, const std::string& folder) = 0;
  virtual std::string AskSaveFileName(QWidget* parent, const std::string& suggested) = 0;
  virtual SaveChoice AskSaveChanges(QWidget* parent, const std::string& projectname) = 0;
  // False when the user cancels.
  virtual bool AskPassword(QWidget* parent, std::string& password) = 0;
};

// The real dialogs.
class QtShellDialogs final : public ShellDialogs {
public:
  bool OfferUpdate(QWidget* parent) override;
  void ShowNewInVersion(QWidget* parent) override;
  void ShowAbout(QWidget* parent, const std::string& versiontext) override;
  std::string AskOpenFileName(QWidget* parent, const std::string& folder) override;
  std::string AskSaveFileName(QWidget* parent, const std::string& suggested) override;
  SaveChoice AskSaveChanges(QWidget* parent, const std::string& projectname) override;
  bool AskPassword(QWidget* parent, std::string& password) override;
};

}  // namespace korvix
