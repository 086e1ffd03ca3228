#pragma once

#include "platform/profile.h"

namespace korvix {

// Gives the communication and web-log settings usable values before anything
// reads them: a 0 means "never set", and 180000 was an old default that made
// a dead module block the Run-Loop for three minutes.
void InitApplication(Profile& profile);

}  // namespace korvix
