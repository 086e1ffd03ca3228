#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPageSize>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "executors_fixture.h"
#include "platform/testing/fake_clocks.h"
#include "qtdraw/printer_label_target.h"
#include "smtp_peer.h"
#include "ui/email_reports.h"
#include "ui/queued_label_printer.h"

namespace korvix::testing {
namespace {

class SilentPopupWindow final : public PopupWindow {
public:
  void Create(const std::string&, const std::string&, const std::string&) override {}
  void Destroy() override {}
};

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The real mail and label layers, made before the executors that use them.
struct RealOutside {
  explicit RealOutside(const std::string& folder)
      : printer(std::make_unique<QtPrinterLabelTarget>([folder](const std::string& name) -> std::unique_ptr<QPrinter> {
          if (name != "Zebra") return nullptr;
          auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
          pdf->setOutputFormat(QPrinter::PdfFormat);
          pdf->setOutputFileName(QString::fromStdString(folder + "/label.pdf"));
          pdf->setResolution(600);
          pdf->setPageSize(QPageSize(QSizeF(4, 2), QPageSize::Inch));
          return pdf;
        })) {}

  EmailServerSettings mail;
  FakeWallClock wall;
  SilentPopupWindow popupwindow;
  PopupBox popup{popupwindow};
  QWidget window;
  CEmailReports email{mail, popup, window, wall};
  QueuedLabelPrinter printer;
  FakeRunServices others;
  OutsideActions actions{others, others, others, email, printer};
};

class ScriptOutsideTest : public ::testing::Test {
protected:
  static std::string Folder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "korvix-outside-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return "";
    return pattern;
  }
  ~ScriptOutsideTest() override { std::filesystem::remove_all(m_folder); }

  std::string m_folder = Folder();
};

class Fixture : private RealOutside, public ExecutorsFixture {
public:
  explicit Fixture(const std::string& folder) : RealOutside(folder), ExecutorsFixture(&actions) {}
  using ExecutorsFixture::AddScript;
  using ExecutorsFixture::AddVariable;
  using ExecutorsFixture::doc;
  using ExecutorsFixture::executors;
  using ExecutorsFixture::Pass;
  using RealOutside::mail;
  using RealOutside::popup;
  using RealOutside::printer;
};

TEST_F(ScriptOutsideTest, SendEmailAndPrintLabelStepsReachTheServerAndThePrinter) {
  SmtpPeer peer("none", m_folder, m_folder);
  ASSERT_NE(peer.Port(), 0);
  Fixture run(m_folder);
  run.mail.smtpserver = "127.0.0.1";
  run.mail.smtpport = peer.Port();
  run.mail.senderemail = "plant@test.invalid";
  run.AddVariable("n", "3");
  ScriptStep print = Step(31, "Zebra", "Lot {n}");
  print.barcode = "B{n}";
  run.AddScript("report", {Step(27, "op@test.invalid", "Level {n}"), Step(27, "op@test.invalid", "second"), print});
  run.executors.RunScriptByName("report");
  // The second mail waits for the first one's result, which arrives as a
  // queued call.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (run.doc.m_scripts[0].isrunning && std::chrono::steady_clock::now() < deadline) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    run.Pass();
  }
  EXPECT_FALSE(run.doc.m_scripts[0].isrunning);
  run.printer.Queue().Flush();

  EXPECT_NE(ReadAll(m_folder + "/1.msg").find("\r\n\r\nLevel 3\r\n"), std::string::npos);
  EXPECT_NE(ReadAll(m_folder + "/2.msg").find("\r\n\r\nsecond\r\n"), std::string::npos);
  EXPECT_EQ(run.popup.m_open, 0);

  const std::string picture = m_folder + "/label";
  std::system(("pdftoppm -r 600 -aa no -aaVector no -png -singlefile '" + picture + ".pdf' '" + picture + "'").c_str());
  FILE* pipe = popen(("zbarimg -q --raw '" + picture + ".png'").c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  char decoded[64] = "";
  const size_t length = fread(decoded, 1, sizeof decoded - 1, pipe);
  pclose(pipe);
  EXPECT_EQ(std::string(decoded, length), "B3\n");
}

}  // namespace
}  // namespace korvix::testing
