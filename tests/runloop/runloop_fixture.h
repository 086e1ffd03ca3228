#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "comms/port_map.h"
#include "comms/serial_port.h"
#include "daqsim/simulator.h"
#include "document/korvix_doc.h"
#include "platform/millisecond_clock.h"
#include "platform/profile.h"
#include "platform/testing/recording_message_sink.h"
#include "platform/wall_clock.h"
#include "recording/popup_box.h"
#include "runloop/message_pump.h"
#include "runloop/publishing.h"
#include "runloop/run_loop_services.h"
#include "runloop/runtime_window.h"
#include "runloop/view_runtime.h"

namespace korvix::testing {

// A message queue that holds nothing but the posted Run-Loop messages and a
// quit the test asks for; the test's hook runs once at every pump.
class FakeMessagePump final : public MessagePump {
public:
  std::function<void()> onpump;
  std::vector<RunLoopMessage> posted;
  bool quit = false;
  int endprocess = 0;
  int waits = 0;

  QueuedMessage PeekQueuedMessage() override { return m_turn ? QueuedMessage::Other : QueuedMessage::None; }
  bool PumpMessage() override {
    m_turn = false;
    if (onpump) onpump();
    return !quit;
  }
  void PostQuitMessage() override {}
  bool OnIdle(int) override {
    m_turn = true;
    return false;
  }
  void WaitMessage(uint32_t ms) override {
    ++waits;
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
  }
  void PostRunLoopMessage(RunLoopMessage message) override { posted.push_back(message); }
  void EndProcess() override { ++endprocess; }

private:
  bool m_turn = true;
};

class FakeRuntimeWindow final : public RuntimeWindow {
public:
  std::vector<std::pair<ScreenObjectKind, int>> invalidated;
  std::vector<Rect> invalidatedrects;
  int deselects = 0;
  void InvalidateObject(ScreenObjectKind kind, int index) override { invalidated.emplace_back(kind, index); }
  void InvalidateRect(const Rect& rect) override { invalidatedrects.push_back(rect); }
  void UpdateWindow() override {}
  void DeselectAll() override { ++deselects; }
};

class FakePopupWindow final : public PopupWindow {
public:
  void Create(const std::string&, const std::string&, const std::string&) override {}
  void Destroy() override {}
};

// The port to the simulator, keeping a copy of every byte the program wrote.
class WireLog {
public:
  std::string Written() {
    std::lock_guard<std::mutex> lock(m_lock);
    return m_written;
  }
  void Add(const std::string& bytes) {
    std::lock_guard<std::mutex> lock(m_lock);
    m_written += bytes;
  }
  void Clear() {
    std::lock_guard<std::mutex> lock(m_lock);
    m_written.clear();
  }

private:
  std::mutex m_lock;
  std::string m_written;
};

class LoggingSerialPort final : public SerialPort {
public:
  explicit LoggingSerialPort(WireLog& log) : m_log(log) {}
  bool Open(const std::string& device) override { return m_port.Open(device); }
  bool IsOpen() const override { return m_port.IsOpen(); }
  SerialRead ReadByte(uint8_t& byte) override { return m_port.ReadByte(byte); }
  bool Write(const std::string& bytes) override {
    const bool done = m_port.Write(bytes);
    if (done) m_log.Add(bytes);
    return done;
  }
  bool WaitReadable(std::chrono::microseconds timeout) override { return m_port.WaitReadable(timeout); }
  void Purge() override { m_port.Purge(); }
  void Close() override { m_port.Close(); }

private:
  WireLog& m_log;
  PosixSerialPort m_port;
};

// A project run against the module simulator on COM1. Every run ends by
// itself after a generous limit, so a fault fails the test instead of
// hanging it.
class RunLoopOnSimulator : public ::testing::Test {
protected:
  static constexpr std::chrono::seconds kRunLimit{20};

  void StartSimulator(const std::string& config) {
    daqsim::ConfigResult parsed = daqsim::ParseConfig(config);
    ASSERT_TRUE(parsed.config) << parsed.error;
    m_simulator = std::make_unique<daqsim::Simulator>(*parsed.config);
    std::string error;
    ASSERT_TRUE(m_simulator->Open(error)) << error;
    m_wire = std::thread([this] { m_simulator->Run(); });
    MapComPort(profile, 0, m_simulator->DevicePath());
  }

  // The adapter goes away, as when it is unplugged: its line ends. A later
  // StartSimulator plugs one in again.
  void Unplug() {
    m_simulator->Stop();
    m_wire.join();
    m_simulator.reset();
  }

  std::string SimulatorDevice() const { return m_simulator->DevicePath(); }

  void TearDown() override {
    runtime.reset();
    if (m_simulator) {
      m_simulator->Stop();
      m_wire.join();
    }
  }

  // The view's initial update: the port opens.
  void Open() {
    doc.m_replytimeout = 100;
    RuntimeServices services{
        profile, sink, *runclock, wall, pump, window, popup, ExistingScripts(scripts), weblog, dde, [this] {
          return std::make_unique<LoggingSerialPort>(wire);
        }};
    services.runstates = &runstates;
    runtime = std::make_unique<ViewRuntime>(doc, services);
    runtime->OnInitialUpdate();
    ASSERT_EQ(runtime->SelectedComPort(), 0);
    wire.Clear();
  }

  // Runs until `done` holds at a pump; false when the limit ended the run.
  bool RunUntil(std::function<bool()> done) {
    const auto start = std::chrono::steady_clock::now();
    bool reached = false;
    pump.onpump = [&] {
      if (!runtime->IsRunning()) return;
      if (done()) {
        reached = true;
      } else if (std::chrono::steady_clock::now() - start < kRunLimit) {
        return;
      }
      runtime->HaltRunLoop();
    };
    runtime->StartRunLoop();
    pump.onpump = nullptr;
    return reached;
  }

  CKorvixDoc doc;
  MemoryProfile profile;
  RecordingMessageSink sink;
  MonotonicClock clock;
  // The clock the run reads; a test may set its own before Open.
  MillisecondClock* runclock = &clock;
  SystemWallClock wall;
  FakeMessagePump pump;
  FakeRuntimeWindow window;
  FakePopupWindow popup;
  NoScriptServices scripts;
  NoWebLogThread weblog;
  NoDdeAdvisor dde;
  WireLog wire;
  ObjectRunStates runstates;
  std::unique_ptr<ViewRuntime> runtime;

private:
  std::unique_ptr<daqsim::Simulator> m_simulator;
  std::thread m_wire;
};

}  // namespace korvix::testing
