#include "shell/settings/dlg_panel_search_conf.h"

#include <QCheckBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "shell/app/widget_labels.h"

namespace ovelin {
namespace {

const std::string kSection = "KeywordsSearch";

}  // namespace

CDlgPanelSearchConf::CDlgPanelSearchConf(QWidget* parent) : CDlgConfigPanel(parent) {
  auto* group = new QGroupBox(QStringLiteral("搜索分量"), this);
  auto* title = Named(new QLabel(QStringLiteral("关键字搜索选项:"), group), QStringLiteral("关键字搜索选项"));
  QFont titleFont = title->font();
  titleFont.setPixelSize(20);
  title->setFont(titleFont);
  QCheckBox* content = AddBox(QStringLiteral("在文件内容中查找"), kSection, "SearchFileContent", true);
  auto* formats = Named(new QLabel(QStringLiteral("(支持格式:Word,Excel,html,mht,text,xml)"), group),
                        QStringLiteral("支持格式"));
  QCheckBox* includeAll = AddBox(QStringLiteral("结果包含所有关键字"), kSection, "IncludeAll", true);
  // Carried unchanged: no control of this page shows them.
  AddBox(QStringLiteral("在文件名中查找"), kSection, "SearchFileName", false);
  AddBox(QStringLiteral("在所属文件集的名称中查找"), kSection, "SearchBelongSet", false);
  auto* matching = new QGroupBox(QStringLiteral("匹配选项"), this);
  matching->setVisible(false);
  AddBox(QStringLiteral("大小写匹配"), kSection, "", false);
  AddBox(QStringLiteral("全字匹配"), kSection, "", false);

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
