#include "shell/app/template_commands.h"

#include <QFileDialog>

#include "base/messages.h"
#include "shell/app/message_box.h"
#include "shell/app/qt_text.h"
#include "store/file_set_store.h"

#if __has_include("filing/templates.h")
#include "filing/templates.h"
#define OVELIN_HAVE_TEMPLATES 1
#endif

namespace ovelin {
namespace {

const QString kTemplateFilter = QStringLiteral("Template Files (*.tpl)");

// A file dialog for templates; empty when cancelled.
QString AskTemplatePath(QWidget* parent, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setNameFilter(kTemplateFilter);
  dialog.setDefaultSuffix(QStringLiteral("tpl"));
  dialog.setOption(QFileDialog::ReadOnly, false);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace

#ifdef OVELIN_HAVE_TEMPLATES

bool TemplatesAvailable() { return true; }

void ExportTemplateInteractive(QWidget* parent, const CFileSetStore& store, const QString& setName) {
  const QString path = AskTemplatePath(parent, QFileDialog::AcceptSave);
  if (path.isEmpty()) return;
  const CheckResult exported = ExportTemplate(store, ToStd(path), ToStd(setName));
  if (!exported) {
    ShowCheckFailure(parent, exported);
    return;
  }
  ShowInformation(parent, ToQ(MessageText(MessageId::TemplateExportSucceeded)));
}

bool ImportTemplateInteractive(QWidget* parent, CFileSetStore& store) {
  const QString path = AskTemplatePath(parent, QFileDialog::AcceptOpen);
  if (path.isEmpty()) return false;
  const CheckResult imported = ImportTemplate(store, ToStd(path));
  if (imported) return true;
  ShowCheckFailure(parent, imported);
  // A failed save keeps the merged sets in memory; the tree must show them too.
  return true;
}

#else

bool TemplatesAvailable() { return false; }

void ExportTemplateInteractive(QWidget*, const CFileSetStore&, const QString&) {}

bool ImportTemplateInteractive(QWidget*, CFileSetStore&) { return false; }

#endif

}  // namespace ovelin
