#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "Ports.h"

namespace portio {

// The process's one-time port access grant: opens the ports chosen by the
// environment (see PortOptions). The first call returns, when the ports are
// not real hardware, a text for the user saying which backend is in use and
// why; later calls return nothing. A backend that cannot be opened does not
// stop the program: the text names the failure and every port operation
// then fails with it.
std::optional<std::string> GrantPortAccess();

// Whether the grant failed, so that every port operation fails.
bool PortAccessFailed();

// The process's ports (granted on first use).
Ports& ProcessPorts();

// Port I/O on the process's ports.
void Out2(uint16_t port, uint16_t value);
uint16_t Inp2(uint16_t port);

}  // namespace portio
