#include "executors/wave_sound_player.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <thread>

#include "executors/pulse_library.h"

namespace korvix {
namespace {

constexpr uint16_t kPcmFormat = 1;
constexpr size_t kChunkBytes = 4096;
constexpr const char* kClientName = "Korvix";
constexpr const char* kStreamName = "Play Sound File";

uint32_t Little(std::string_view bytes, size_t at, int count) {
  uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = (value << 8) | static_cast<uint8_t>(bytes[at + static_cast<size_t>(i)]);
  return value;
}

void Play(WaveSound sound, std::shared_ptr<std::atomic<bool>> stop) {
  // Without the sound server's client the project goes on in silence, as
  // without a server.
  const PulseLibrary* pulse = LoadPulseLibrary();
  if (!pulse) return;
  pa_sample_spec spec{};
  spec.format = sound.bits == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
  spec.channels = static_cast<uint8_t>(sound.channels);
  spec.rate = sound.rate;
  int error = 0;
  pa_simple* stream =
      pulse->simplenew(nullptr, kClientName, PA_STREAM_PLAYBACK, nullptr, kStreamName, &spec, nullptr, nullptr, &error);
  // No sound server or device: the project goes on in silence.
  if (!stream) return;
  for (size_t at = 0; at < sound.samples.size() && !*stop; at += kChunkBytes) {
    const size_t length = std::min(kChunkBytes, sound.samples.size() - at);
    if (pulse->simplewrite(stream, sound.samples.data() + at, length, &error) < 0) break;
  }
  if (!*stop) pulse->simpledrain(stream, &error);
  pulse->simplefree(stream);
}

}  // namespace

std::optional<WaveSound> ParseWave(std::string_view bytes) {
  if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") return std::nullopt;
  WaveSound sound;
  bool format = false;
  size_t at = 12;
  while (at + 8 <= bytes.size()) {
    const std::string_view id = bytes.substr(at, 4);
    const size_t size = Little(bytes, at + 4, 4);
    const size_t body = at + 8;
    if (size > bytes.size() - body) {
      if (id != "data") return std::nullopt;
    }
    const size_t length = std::min(size, bytes.size() - body);
    if (id == "fmt ") {
      if (length < 16 || Little(bytes, body, 2) != kPcmFormat) return std::nullopt;
      sound.channels = static_cast<int>(Little(bytes, body + 2, 2));
      sound.rate = Little(bytes, body + 4, 4);
      sound.bits = static_cast<int>(Little(bytes, body + 14, 2));
      if ((sound.bits != 8 && sound.bits != 16) || sound.channels < 1 || sound.channels > 8 || sound.rate == 0) {
        return std::nullopt;
      }
      format = true;
    } else if (id == "data") {
      if (!format) return std::nullopt;
      sound.samples.assign(bytes.begin() + static_cast<std::ptrdiff_t>(body),
                           bytes.begin() + static_cast<std::ptrdiff_t>(body + length));
      return sound;
    }
    at = body + length + (length & 1);
  }
  return std::nullopt;
}

PulseSoundPlayer::~PulseSoundPlayer() {
  if (m_stop) *m_stop = true;
}

bool PulseSoundPlayer::PlaySoundFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  if (!file) return false;
  const std::streamoff size = file.tellg();
  if (size <= 0) return false;
  std::string bytes(std::min(static_cast<size_t>(size), kMaxWaveBytes), '\0');
  file.seekg(0);
  file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<size_t>(file.gcount()));
  auto sound = ParseWave(bytes);
  if (!sound) return false;
  if (m_stop) *m_stop = true;
  m_stop = std::make_shared<std::atomic<bool>>(false);
  std::thread(Play, std::move(*sound), m_stop).detach();
  return true;
}

}  // namespace korvix
