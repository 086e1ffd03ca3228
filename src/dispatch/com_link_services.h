#pragma once

#include <string>

#include "comms/com_link.h"
#include "values/value_hooks.h"

namespace korvix {

// The COM link behind the services that dispatch and reply bookkeeping use.
class ComLinkServices final : public LinkServices {
public:
  explicit ComLinkServices(ComLink& link) : m_link(link) {}

  std::string& ReceiveBuffer() override { return m_link.m_rxbuffer; }
  int TransmitCommand(std::string command) override;
  void WaitForReply(uint32_t ms, const std::string& expected) override { m_link.WaitForReply(ms, expected); }
  void FlushComInput() override { m_link.FlushComInput(); }

private:
  ComLink& m_link;
};

}  // namespace korvix
