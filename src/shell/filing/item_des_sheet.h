#pragma once
// CItemDesSheet ("项目描述信息"): one tab (CItemDesPage, "项目描述") per selected
// item with its description in a multi-line editor. Stored descriptions use
// "<br>" as line break; the editor shows real line breaks.

#include <QDialog>

#include <vector>

#include "shell/filing/item_edit_list.h"

class QPlainTextEdit;
class QTabWidget;

namespace ovelin {

class CItemDesPage : public QWidget {
  Q_OBJECT
 public:
  /// Shows the stored description with its "<br>" as line breaks.
  explicit CItemDesPage(const std::string& description, QWidget* parent = nullptr);
  /// The edited text with its line breaks stored as "<br>".
  std::string Description() const;
  QPlainTextEdit* Editor() const { return editor_; }

 private:
  QPlainTextEdit* editor_;
};

class CItemDesSheet : public QDialog {
  Q_OBJECT
 public:
  explicit CItemDesSheet(std::vector<ItemDesInfoType> items, QWidget* parent = nullptr);

  /// The items with their descriptions as edited.
  std::vector<ItemDesInfoType> Items() const;
  /// The page of the item at `index`.
  CItemDesPage* Page(int index) const;

 private:
  std::vector<ItemDesInfoType> items_;
  QTabWidget* tabs_;
};

}  // namespace ovelin
