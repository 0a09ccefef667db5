#pragma once
// CDlgAddFileItemOption ("文件夹加载"): how a chosen folder is added, either as
// one item or as the files in it, with or without those of its sub-folders.

#include <QDialog>

class QCheckBox;

namespace ovelin {

class CDlgAddFileItemOption : public QDialog {
  Q_OBJECT
 public:
  /// Titled "文件夹加载-" followed by the folder's display name; opens with the
  /// files of sub-folders included.
  explicit CDlgAddFileItemOption(const QString& folderDisplayName, QWidget* parent = nullptr);
  /// The folder-loading options: 1 = the folder as one item, else 2 = recurse
  /// into sub-folders, else 0 = the folder's own files only.
  int Options() const;

 private:
  void WholeToggled(bool checked);

  QCheckBox* whole_;
  QCheckBox* recurse_;
};

}  // namespace ovelin
