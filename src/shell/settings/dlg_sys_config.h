#pragma once
// CDlgSysConfig ("系统设置"): a tree of setting pages; edits a working copy of the
// configuration and gives it back to the store only on OK.

#include <QDialog>

#include "shell/settings/config_copy.h"

class QTreeWidget;
class QTreeWidgetItem;
class QVBoxLayout;

namespace ovelin {

class CFileSetStore;
class ConfigPanel;

class CDlgSysConfig : public QDialog {
  Q_OBJECT
 public:
  explicit CDlgSysConfig(CFileSetStore& store, QWidget* parent = nullptr);

  /// The page shown now (null when none).
  ConfigPanel* CurrentPage() const { return page_; }
  /// The page tree ("Ovelin设置" with "关键字搜索" and "归档").
  QTreeWidget* PageTree() const { return pages_; }

 public slots:
  /// OK: the shown page writes its boxes, the copy goes to the store and is saved.
  void accept() override;

 private slots:
  void showPage(QTreeWidgetItem* item);

 private:
  CFileSetStore& store_;
  ConfigCopy config_;
  QTreeWidget* pages_;
  QVBoxLayout* pageArea_;
  ConfigPanel* page_ = nullptr;
};

}  // namespace ovelin
