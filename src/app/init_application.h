#pragma once

#include "platform/profile.h"

namespace korvix {

// Gives the communication and web-log settings usable values before anything
// reads them: a 0 means "never set", and a stored 180000 is a transmit
// time-out of earlier releases that this one replaces.
void InitApplication(Profile& profile);

}  // namespace korvix
