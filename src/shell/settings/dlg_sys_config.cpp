#include "shell/settings/dlg_sys_config.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "shell/app/message_box.h"
#include "shell/settings/dlg_panel_pig_conf.h"
#include "shell/settings/dlg_panel_search_conf.h"
#include "store/config_keys.h"
#include "store/file_set_store.h"

namespace ovelin {
namespace {

// The page table: key, title, parent key.
struct PageEntry {
  std::string_view key;
  const char* title;  // translated where shown
  const char* parent;
};
constexpr PageEntry kPages[] = {
    {"Root", QT_TRANSLATE_NOOP("ovelin::CDlgSysConfig", "Ovelin设置"), "NULL"},
    {config::kKeywordsSearch, QT_TRANSLATE_NOOP("ovelin::CDlgSysConfig", "关键字搜索"), "Root"},
    {config::kPigeonhole, QT_TRANSLATE_NOOP("ovelin::CDlgSysConfig", "归档"), "Root"},
};

ConfigPanel* CreatePage(std::string_view key, QWidget* parent) {
  if (key == config::kKeywordsSearch) return new CDlgPanelSearchConf(parent);
  if (key == config::kPigeonhole) return new CDlgPanelPigConf(parent);
  return nullptr;
}

}  // namespace

CDlgSysConfig::CDlgSysConfig(CFileSetStore& store, QWidget* parent)
    : QDialog(parent), store_(store), pages_(new QTreeWidget(this)), pageArea_(new QVBoxLayout) {
  setWindowTitle(tr("系统设置"));
  config_.Load(store_.GetConfigXml());

  pages_->setHeaderHidden(true);
  pages_->setAccessibleName(tr("设置页"));
  pages_->setFixedWidth(160);
  QTreeWidgetItem* top = nullptr;
  for (const PageEntry& entry : kPages) {
    const QStringList title{tr(entry.title)};
    QTreeWidgetItem* item = top ? new QTreeWidgetItem(top, title) : new QTreeWidgetItem(pages_, title);
    item->setData(0, Qt::UserRole, QString::fromLatin1(entry.key.data(), entry.key.size()));
    if (!top) top = item;
    top->setExpanded(true);
  }

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &CDlgSysConfig::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* columns = new QHBoxLayout;
  columns->addWidget(pages_);
  columns->addLayout(pageArea_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns, 1);
  layout->addWidget(buttons);
  resize(560, 340);

  connect(pages_, &QTreeWidget::currentItemChanged, this, &CDlgSysConfig::showPage);
  if (top && top->childCount() > 0) pages_->setCurrentItem(top->child(0));
}

void CDlgSysConfig::showPage(QTreeWidgetItem* item) {
  if (!item) return;
  ConfigPanel* next = CreatePage(item->data(0, Qt::UserRole).toString().toStdString(), this);
  if (!next) return;  // the top entry keeps the page shown
  if (page_) {
    page_->WriteTo(config_);
    delete page_;
  }
  page_ = next;
  page_->ReadFrom(config_);
  pageArea_->addWidget(page_);
}

void CDlgSysConfig::accept() {
  if (page_) page_->WriteTo(config_);
  if (!store_.SetConfigXml(config_.Xml())) {
    ShowError(this, SaveFailedText());
    return;
  }
  QDialog::accept();
}

}  // namespace ovelin
