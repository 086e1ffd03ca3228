#include "platform/realtime_priority.h"

#include <pthread.h>

namespace korvix {

namespace {

// Low among real-time levels: above every normal thread, below the kernel's
// own real-time work.
constexpr int kRealtimeLevel = 10;

}  // namespace

void RealtimePriority::Raise() {
  if (m_raised) return;
  if (pthread_getschedparam(pthread_self(), &m_policy, &m_param) != 0) return;
  if (m_policy == SCHED_FIFO || m_policy == SCHED_RR) return;  // already real-time
  sched_param raised{};
  raised.sched_priority = kRealtimeLevel;
  m_raised = pthread_setschedparam(pthread_self(), SCHED_FIFO, &raised) == 0;
}

void RealtimePriority::Drop() {
  if (!m_raised) return;
  pthread_setschedparam(pthread_self(), m_policy, &m_param);
  m_raised = false;
}

}  // namespace korvix
