#include "ui/expression_examples_dlg.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace korvix {

namespace {
constexpr const char* kCaption = "Expression Examples";
constexpr const char* kIntroduction =
    "A legal expression can contain any of the operators shown at the right as well as parenthesis used for "
    "grouping. Note, all logical and relational operators must have at least one space (or carriage return) on "
    "each side of it. Read the help files.";
}  // namespace

CExpressionExamplesDlg::CExpressionExamplesDlg(QWidget* parent) : ReferenceTextDialog(parent, kCaption, 208, 265) {
  auto* operators = new QVBoxLayout;
  operators->addWidget(Group("Logical Operators", {"AND  OR  XOR"}));
  operators->addWidget(Group("Relational Operators", {">   >=   <   <=   =   <>"}));
  operators->addWidget(Group("Arithmetic Operators", {"+  -  *  /  ^"}));
  auto* top = new QHBoxLayout;
  top->addWidget(Text(kIntroduction), 1, Qt::AlignTop);
  top->addLayout(operators);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(Group("Simple expression testing a screen object", {"{DataWindow1} >= 1000"}));
  layout->addWidget(Group("Simple expression testing a COM reception", {"{recdata} = AAH"}));
  layout->addWidget(
      Group("Expression containing math functions", {"{DataWindow1} / 10 = ({DataWindow2} + 128) * 3.14"}));
  layout->addWidget(
      Group("Complex expression containing multiple operators",
            {"({DataWindow1} >= 1000 OR {DataWindow2} < 50) ", "AND", "({Counter1} <= 500 OR {Timer1} > 2:30:05.45)",
             "AND", "({TextWindow1} <> Motor Running OR {Lamp1} = On)"}));
  layout->addStretch(1);
  FitHeight();
}

}  // namespace korvix
