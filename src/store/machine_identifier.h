#pragma once
// The identifier that binds the data file to this machine.

#include "store/envelope.h"

namespace ovelin {

/// The machine identifier: `OVELIN_MACHINE_ID` (hexadecimal) when set; else the
/// hardware address of the first network interface (physical before virtual,
/// lower interface index first, loopback and all-zero addresses skipped); else
/// the 16 bytes of /etc/machine-id; else empty, which callers treat as fatal.
Bytes GetMachineIdentifier();

}  // namespace ovelin
