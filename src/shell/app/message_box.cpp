#include "shell/app/message_box.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "base/check_result.h"
#include "shell/app/qt_text.h"
#include "store/file_set_store.h"

namespace ovelin {

void ShowError(QWidget* parent, const QString& text) { QMessageBox::critical(parent, kMessageCaption, text); }

void ShowWarning(QWidget* parent, const QString& text) { QMessageBox::warning(parent, kMessageCaption, text); }

void ShowInformation(QWidget* parent, const QString& text) { QMessageBox::information(parent, kMessageCaption, text); }

bool AskYesNo(QWidget* parent, const QString& text) {
  return QMessageBox::question(parent, kMessageCaption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
         QMessageBox::Yes;
}

void ShowCheckFailure(QWidget* parent, const CheckResult& check) {
  const std::string reason = check.ReasonText();
  ShowWarning(parent, ToQ(reason.empty() ? check.MessageText() : check.MessageText() + "\n" + reason));
}

QString SaveFailedText() {
  return QCoreApplication::translate(
      "ovelin::MessageBox", "数据库保存失败，刚才的修改没有写入磁盘！\n请检查数据文件夹是否可写、磁盘是否已满。");
}

bool SaveStore(QWidget* parent, CFileSetStore& store) {
  if (store.Save()) return true;
  ShowError(parent, SaveFailedText());
  return false;
}

}  // namespace ovelin
