#include "shell/settings/dlg_panel_pig_conf.h"
#include "store/config_keys.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

namespace ovelin {

CDlgPanelPigConf::CDlgPanelPigConf(QWidget* parent) : ConfigPanel(parent) {
  auto* group = new QGroupBox(tr("归档选项"), this);
  QCheckBox* autoBelong =
      AddBox(tr("采用当前检索结果设置归档项目的隶属集"), config::kPigeonhole, config::kDragDropPigAutoBelong, true);
  auto* groupLayout = new QVBoxLayout(group);
  groupLayout->addWidget(autoBelong);
  groupLayout->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(group);
}

}  // namespace ovelin
