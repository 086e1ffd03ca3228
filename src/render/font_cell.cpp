#include "render/font_cell.h"

namespace korvix {

Size FontCellSize(int sizecode) {
  switch (sizecode) {
    case 16: return {9, 25};
    case 22: return {13, 35};
    case 36: return {21, 58};
    case 48: return {28, 77};
    default: return {16, 45};
  }
}

}  // namespace korvix
