#pragma once

#include <array>
#include <cstdint>

namespace korvix {

// Tells a module that a talker keeps cutting off from one that is cut off
// now and then: an address whose commands have collided more often than it
// answered, all through the patience time, is told once per talker. It is
// told again only after it has answered as often as it collided, that is
// once the talking has stopped and started again.
class CollisionWatch {
public:
  static constexpr uint32_t kPatienceMs = 10000;

  void Clear();
  // A command to `address` was cut off by a byte from `talker`; true when
  // this is the collision to tell the user about.
  bool NoteCollision(char address, char talker, uint32_t now);
  // A line that is no cancel answer came from `address`.
  void NoteReply(char address);

private:
  // Collisions not yet made up by answers, counted up to this many, so
  // that a long stretch of talking is over soon after the talking is.
  static constexpr int kMostUnanswered = 10;
  static constexpr int kNoAddress = -1;

  struct Address {
    int unanswered = 0;
    uint32_t since = 0;
  };

  std::array<Address, 256> m_addresses{};
  // Per talker: the address whose trouble was told, or kNoAddress.
  std::array<int, 256> m_toldfor = Untold();

  static std::array<int, 256> Untold();
};

}  // namespace korvix
