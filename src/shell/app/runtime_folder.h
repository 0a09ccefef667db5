#pragma once
// Where the single-instance socket lives: a folder only the user can enter.

#include <QString>

namespace ovelin {

/// The socket's file name: the program's fixed channel identifier.
inline constexpr const char* kChannelName = "{4AD9CEA0-92FE-4d68-B938-E4437F209B1C}";

/// $XDG_RUNTIME_DIR when set; else /tmp/ovelin-<uid>, created with mode 0700 and
/// accepted only when it is a real folder owned by the user with no group or
/// other permission bits. Empty when no safe folder is available.
QString ChannelFolder();

/// The socket path inside ChannelFolder(); empty when there is no folder.
QString ChannelSocketPath();

}  // namespace ovelin
