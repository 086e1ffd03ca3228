#pragma once

#include <string>

#include "comms/testing/idle_com_link_host.h"
#include "dispatch/run_values.h"

namespace korvix::testing {

// The view's part of the link host that the run-time values serve: replies
// and label values go to them; the rest is what a view without controls
// answers.
class ForwardingComLinkHost final : public IdleComLinkHost {
public:
  RunValues* values = nullptr;

  bool IsReplyPending(char address) override { return values->IsReplyPending(address); }
  void ServiceReplyTimeouts() override { values->ServiceReplyTimeouts(); }
  void DispatchReceivedLines() override { values->DispatchReceivedLines(); }
  std::string ExpandLabelRefs(const std::string& text) override { return values->ExpandLabelRefs(text); }
  void DeliverLabelValue(const std::string& label, const std::string& value) override {
    values->DeliverLabelValue(label, value);
  }
};

}  // namespace korvix::testing
