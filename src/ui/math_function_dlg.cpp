#include "ui/math_function_dlg.h"

#include "properties/selector_lines.h"

namespace korvix {

namespace {
constexpr SelectorLook kLook = {"Math Function Selector", "Function Labels", "MathFunction.htm", 155, 205, 20};

const std::vector<std::string> kFunctionLines = {
    "$ABS(  )\tAbsolute value",       "$SIGN(  )\tSign from number",      "$RAND(  )\tRandom number",
    "$SQRT(  )\tSquare root",         "$LOG(  )\tBase-10 logarithm",      "$NLOG(  )\tNatural logarithm",
    "$SIN(  )\tSine from radians",    "$COS(  )\tCosine from radians",    "$TAN(  )\tTangent from radians",
    "$ASIN(  )\tArcsine from number", "$ACOS(  )\tArccosine from number", "$ATAN(  )\tArctangent from number",
    "$DEG(  )\tDegrees from radians", "$RAD(  )\tRadians from degrees",   "$NDEG(  )\tNormalize Degrees",
    "$NRAD(  )\tNormalize Radians"};
}  // namespace

CMathFunctionDlg::CMathFunctionDlg(QWidget* parent) : SelectorListDialog(parent, kLook, kFunctionLines) {}

bool CMathFunctionDlg::IsChoosable(const std::string& line) const { return line.starts_with('$'); }

void CMathFunctionDlg::Choose(const std::string& line) { m_function = SelectedFunction(line); }

}  // namespace korvix
