#include "comms/collision_watch.h"

#include <cstddef>

#include "platform/millisecond_clock.h"

namespace korvix {

namespace {

std::size_t Slot(char c) { return static_cast<unsigned char>(c); }

}  // namespace

std::array<int, 256> CollisionWatch::Untold() {
  std::array<int, 256> untold{};
  untold.fill(kNoAddress);
  return untold;
}

void CollisionWatch::Clear() {
  m_addresses = {};
  m_toldfor = Untold();
}

bool CollisionWatch::NoteCollision(char address, char talker, uint32_t now) {
  Address& watched = m_addresses[Slot(address)];
  if (watched.unanswered == 0) watched.since = now;
  if (watched.unanswered < kMostUnanswered) ++watched.unanswered;
  if (ElapsedMs(now, watched.since) < kPatienceMs) return false;
  int& told = m_toldfor[Slot(talker)];
  if (told != kNoAddress) return false;
  told = static_cast<int>(Slot(address));
  return true;
}

void CollisionWatch::NoteReply(char address) {
  Address& watched = m_addresses[Slot(address)];
  if (watched.unanswered == 0 || --watched.unanswered > 0) return;
  for (int& told : m_toldfor) {
    if (told == static_cast<int>(Slot(address))) told = kNoAddress;
  }
}

}  // namespace korvix
