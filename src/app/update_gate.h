#pragma once

#include "platform/profile.h"

namespace korvix {

enum class UpdateGate {
  None,          // checks are off, or the last one is recent enough
  StartCheck,    // look for a newer release in the background
  OfferInstall,  // a downloaded installer waits for the user's word
};

// What start-up does about updates, from the profile and today's day of the
// year. The day difference is deliberately plain: around the year end it is
// large, so a check starts early rather than late.
UpdateGate DecideUpdateGate(Profile& profile, int today);

// The user chose to install: the prompt must not come back.
void AcceptUpdate(Profile& profile);

}  // namespace korvix
