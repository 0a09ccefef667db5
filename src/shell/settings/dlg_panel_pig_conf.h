#pragma once
// CDlgPanelPigConf: the archiving page of the settings dialog.

#include "shell/settings/config_panel.h"

namespace ovelin {

class CDlgPanelPigConf : public ConfigPanel {
  Q_OBJECT
 public:
  explicit CDlgPanelPigConf(QWidget* parent = nullptr);
};

}  // namespace ovelin
