#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "executors/outside_actions.h"

namespace korvix {

// The samples of a PCM WAV file.
struct WaveSound {
  int channels = 0;
  uint32_t rate = 0;
  int bits = 0;  // 8 or 16
  std::vector<uint8_t> samples;
};

// No value for anything but uncompressed 8- or 16-bit PCM.
std::optional<WaveSound> ParseWave(std::string_view bytes);

// Plays WAV files on the default sound output on a worker thread, one at a
// time: a new sound stops the one before. Without a sound server the file
// is read and nothing is heard, as on a machine without speakers. The
// caller never waits for a worker: finding out that there is no server can
// take a second or more.
class PulseSoundPlayer final : public SoundPlayer {
public:
  PulseSoundPlayer() = default;
  PulseSoundPlayer(const PulseSoundPlayer&) = delete;
  PulseSoundPlayer& operator=(const PulseSoundPlayer&) = delete;
  ~PulseSoundPlayer() override;
  bool PlaySoundFile(const std::string& path) override;

private:
  // The stop flag of the sound now playing; each worker keeps its own.
  std::shared_ptr<std::atomic<bool>> m_stop;
};

constexpr size_t kMaxWaveBytes = 64u << 20;

}  // namespace korvix
