#include "shell/app/runtime_folder.h"

#include "base/hand_over.h"

namespace ovelin {

QString ChannelFolder() { return QString::fromStdString(HandOverChannelFolder()); }

QString ChannelSocketPath() { return QString::fromStdString(HandOverSocketPath()); }

}  // namespace ovelin
