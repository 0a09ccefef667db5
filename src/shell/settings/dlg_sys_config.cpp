#include "shell/settings/dlg_sys_config.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "shell/app/message_box.h"
#include "shell/settings/dlg_panel_pig_conf.h"
#include "shell/settings/dlg_panel_search_conf.h"
#include "store/file_set_store.h"

namespace ovelin {
namespace {

// The page table: key, title, parent key.
struct PageEntry {
  const char* key;
  const char* title;
  const char* parent;
};
constexpr PageEntry kPages[] = {
    {"Root", "Ovelin设置", "NULL"},
    {"KeywordsSearch", "关键字搜索", "Root"},
    {"Pigeonhole", "归档", "Root"},
};

const PageEntry* EntryTitled(const QString& title) {
  for (const PageEntry& entry : kPages) {
    if (title == QString::fromUtf8(entry.title)) return &entry;
  }
  return nullptr;
}

CDlgConfigPanel* CreatePage(std::string_view key, QWidget* parent) {
  if (key == "KeywordsSearch") return new CDlgPanelSearchConf(parent);
  if (key == "Pigeonhole") return new CDlgPanelPigConf(parent);
  return nullptr;
}

}  // namespace

CDlgSysConfig::CDlgSysConfig(CFileSetStore& store, QWidget* parent)
    : QDialog(parent), store_(store), pages_(new QTreeWidget(this)), pageArea_(new QVBoxLayout) {
  setWindowTitle(QStringLiteral("系统设置"));
  config_.Load(store_.GetConfigXml());

  pages_->setHeaderHidden(true);
  pages_->setAccessibleName(QStringLiteral("设置页"));
  pages_->setFixedWidth(160);
  QTreeWidgetItem* top = nullptr;
  for (const PageEntry& entry : kPages) {
    const QString title = QString::fromUtf8(entry.title);
    if (!top) {
      top = new QTreeWidgetItem(pages_, QStringList{title});
      continue;
    }
    new QTreeWidgetItem(top, QStringList{title});
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
  const PageEntry* entry = item ? EntryTitled(item->text(0)) : nullptr;
  if (!entry) return;
  CDlgConfigPanel* next = CreatePage(entry->key, this);
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
