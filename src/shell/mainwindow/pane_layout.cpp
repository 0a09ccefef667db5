#include "shell/mainwindow/pane_layout.h"

namespace ovelin {

PaneSizes ComputePaneSizes(QSize client) {
  const int w = client.width();
  const int h = client.height();
  return {{w / 3, 2 * w / 3}, {2 * h / 3, h - 2 * h / 3}, {h / 2, h - h / 2}};
}

}  // namespace ovelin
