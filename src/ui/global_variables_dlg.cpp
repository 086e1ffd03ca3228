#include "ui/global_variables_dlg.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace korvix {

namespace {
constexpr const char* kCaption = "Global Variables";
constexpr const char* kIntroduction =
    "In addition to the user defined variables and screen objects, the following global variables can also be "
    "used in any calculation, expression, or message.";
constexpr const char* kGroupTitle = "Global Variables";
}  // namespace

CGlobalVariablesDlg::CGlobalVariablesDlg(QWidget* parent) : ReferenceTextDialog(parent, kCaption, 208, 329) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Text(kIntroduction));
  layout->addWidget(
      Group(kGroupTitle,
            {"{recdata} = the last data packet which was received by the COM port. (see help files for important "
             "note)",
             "{rawdata} = same as {recdata} but the header character has been striped off.",
             "{systemtime} = current time retrieved from the computer system listed in 24-hour format.",
             "{systemhour} = current hour retrieved from the system time. 00 through 23",
             "{systemmin} = current minute retrieved from the system time. 00 through 59",
             "{systemsec} = current second retrieved from the system time. 00 through 59",
             "{systemdate} = current date retrieved from the computer system, continuously updated.",
             "{systemyear} = current year retrieved from the system date in four digit format. 2003, 2004, 2005, "
             "etc.",
             "{systemmonth} = current month retrieved from the system date. 1 = January, 2 = February, etc.",
             "{systemday} = current day of month retrieved from the system date. 1 through 31",
             "{systemdow} = current day of week retrieved from the system date. 1 = Sun, 2 = Mon, 3 = Tue, etc."},
            true),
      1);
  FitHeight();
}

}  // namespace korvix
