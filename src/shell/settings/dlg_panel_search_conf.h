#pragma once
// CDlgPanelSearchConf: the keyword search page of the settings dialog.

#include "shell/settings/config_panel.h"

namespace ovelin {

class CDlgPanelSearchConf : public ConfigPanel {
  Q_OBJECT
 public:
  explicit CDlgPanelSearchConf(QWidget* parent = nullptr);
};

}  // namespace ovelin
