#include "comms/collision_watch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvix::testing {
namespace {

constexpr uint32_t kPatience = CollisionWatch::kPatienceMs;

// One event: a collision of a command to `address` with `talker` at `at`
// (told: whether the watch says to tell it), or an answer from `address`
// when `talker` is 0.
struct Event {
  char address;
  char talker;
  uint32_t at;
  bool told;
};

struct WatchCase {
  const char* name;
  std::vector<Event> events;
};

TEST(CollisionWatch, TellsAnAddressThatCollidesMoreThanItAnswersOncePerTalker) {
  const WatchCase cases[] = {
      {"short of the patience", {{'A', 'P', 0, false}, {'A', 'P', kPatience - 1, false}}},
      {"told once, not again", {{'A', 'P', 0, false}, {'A', 'P', kPatience, true}, {'A', 'P', kPatience + 50, false}}},
      {"an answer starts the time again",
       {{'A', 'P', 0, false}, {'A', 0, 5000, false}, {'A', 'P', 6000, false}, {'A', 'P', 6000 + kPatience - 1, false}}},
      {"one talker over many modules is told once",
       {{'A', 'P', 0, false}, {'B', 'P', 1, false}, {'A', 'P', kPatience, true}, {'B', 'P', kPatience + 1, false}}},
      {"two talkers are told each",
       {{'A', 'P', 0, false}, {'B', 'Q', 1, false}, {'A', 'P', kPatience, true}, {'B', 'Q', kPatience + 1, true}}},
      {"answering now and then does not hide a talker",
       {{'A', 'P', 0, false}, {'A', 'P', 100, false}, {'A', 0, 5000, false}, {'A', 'P', kPatience, true}}},
      {"told again once the module answered as often as it collided",
       {{'A', 'P', 0, false},
        {'A', 'P', kPatience, true},
        {'A', 0, kPatience + 1, false},
        {'A', 'P', kPatience + 2, false},
        {'A', 0, kPatience + 3, false},
        {'A', 0, kPatience + 4, false},
        {'A', 'P', kPatience + 5, false},
        {'A', 'P', 2 * kPatience + 5, true}}},
      {"an answer from another module does not re-arm",
       {{'A', 'P', 0, false},
        {'A', 'P', kPatience, true},
        {'P', 0, kPatience + 1, false},
        {'A', 'P', 3 * kPatience, false}}},
      {"across the clock's wrap", {{'A', 'P', 0xFFFFFF00u, false}, {'A', 'P', kPatience, true}}},
  };
  for (const WatchCase& c : cases) {
    CollisionWatch watch;
    for (size_t i = 0; i < c.events.size(); ++i) {
      const Event& e = c.events[i];
      if (e.talker == 0) {
        watch.NoteReply(e.address);
        continue;
      }
      EXPECT_EQ(watch.NoteCollision(e.address, e.talker, e.at), e.told) << c.name << ", event " << i;
    }
  }
}

// However long the talking went on, a few answers end it.
TEST(CollisionWatch, AFewAnswersEndALongStretchOfCollisions) {
  CollisionWatch watch;
  uint32_t now = 0;
  int told = 0;
  for (; now <= 3 * kPatience; now += 100) told += watch.NoteCollision('A', 'P', now) ? 1 : 0;
  EXPECT_EQ(told, 1);
  for (int i = 0; i < 10; ++i) watch.NoteReply('A');
  EXPECT_FALSE(watch.NoteCollision('A', 'P', now));
  EXPECT_TRUE(watch.NoteCollision('A', 'P', now + kPatience));
}

TEST(CollisionWatch, ClearForgetsWhatWasTold) {
  CollisionWatch watch;
  watch.NoteCollision('A', 'P', 0);
  ASSERT_TRUE(watch.NoteCollision('A', 'P', kPatience));
  watch.Clear();
  EXPECT_FALSE(watch.NoteCollision('A', 'P', kPatience + 1));
  EXPECT_TRUE(watch.NoteCollision('A', 'P', 2 * kPatience + 1));
}

}  // namespace
}  // namespace korvix::testing
