#include "shell/settings/dlg_panel_search_conf.h"

#include <QCheckBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "shell/app/widget_labels.h"
#include "store/config_keys.h"

namespace ovelin {
namespace {}  // namespace

CDlgPanelSearchConf::CDlgPanelSearchConf(QWidget* parent) : ConfigPanel(parent) {
  auto* group = new QGroupBox(tr("搜索分量"), this);
  auto* title = Named(new QLabel(tr("关键字搜索选项:"), group), tr("关键字搜索选项"));
  QFont titleFont = title->font();
  titleFont.setPixelSize(20);
  title->setFont(titleFont);
  QCheckBox* content = AddBox(tr("在文件内容中查找"), config::kKeywordsSearch, config::kSearchFileContent, true);
  auto* formats = Named(new QLabel(tr("(支持格式:Word,Excel,html,mht,text,xml)"), group), tr("支持格式"));
  QCheckBox* includeAll = AddBox(tr("结果包含所有关键字"), config::kKeywordsSearch, config::kIncludeAll, true);
  // Carried unchanged: no control of this page shows them.
  AddBox(tr("在文件名中查找"), config::kKeywordsSearch, config::kSearchFileName, false);
  AddBox(tr("在所属文件集的名称中查找"), config::kKeywordsSearch, config::kSearchBelongSet, false);
  auto* matching = new QGroupBox(tr("匹配选项"), this);
  matching->setVisible(false);
  AddBox(tr("大小写匹配"), config::kKeywordsSearch, "", false);
  AddBox(tr("全字匹配"), config::kKeywordsSearch, "", false);

  auto* groupLayout = new QVBoxLayout(group);
  groupLayout->addWidget(title);
  groupLayout->addWidget(content);
  groupLayout->addWidget(formats);
  groupLayout->addWidget(includeAll);
  groupLayout->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(group);
}

}  // namespace ovelin
