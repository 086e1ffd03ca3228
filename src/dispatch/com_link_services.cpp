#include "dispatch/com_link_services.h"

namespace korvix {

int ComLinkServices::TransmitCommand(std::string command) { return m_link.TransmitCommand(std::move(command)); }

}  // namespace korvix
