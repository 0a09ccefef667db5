#pragma once
// Where the single-instance socket lives: a folder only the user can enter
// (the rule is the core's, shared with ovelin-cli send).

#include <QString>

namespace ovelin {

/// The channel's folder; empty when no safe folder is available.
QString ChannelFolder();

/// The socket path inside ChannelFolder(); empty when there is no folder.
QString ChannelSocketPath();

}  // namespace ovelin
