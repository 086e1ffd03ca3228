#pragma once

namespace korvix {

// Where a Chart Recorder's sample memory stands: its oldest whole record,
// where the next one goes, whether the writing has come round over the
// oldest bytes, and the record a reader last started from. The books only
// mean something beside the bytes they describe, so they are emptied and
// carried together with them.
struct ChartMemoryBooks {
  int readmark = 0;
  int oldestrec = 0;
  int writepos = 0;
  int wrapped = 0;
};

}  // namespace korvix
