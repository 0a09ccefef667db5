#include "shell/filing/dlg_pigeonhole_process.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QVBoxLayout>

#include "shell/app/message_box.h"
#include "shell/app/qt_text.h"
#include "shell/app/widget_labels.h"

namespace ovelin {

// Carries the engine's calls from the worker thread to the dialog and waits for each.
class CDlgPigeonholeProcess::Relay final : public IFilingProgress {
 public:
  explicit Relay(CDlgPigeonholeProcess* dialog) : dialog_(dialog) {}

  void Start(size_t count) override {
    Call([this, count] { dialog_->ShowStart(count); });
  }
  void Item(const ITEM_PIGEONHOLE_STRUCT& record) override {
    const QString name = ToQ(record.Name);
    const QString url = ToQ(record.Url);
    Call([this, name, url] { dialog_->ShowItem(name, url); });
  }
  ErrorChoice Error(const std::string& message) override {
    ErrorChoice choice = ErrorChoice::Ignore;
    const QString text = ToQ(message);
    Call([this, text, &choice] { choice = dialog_->AskAboutError(text); });
    return choice;
  }
  void Finish() override {
    Call([this] { dialog_->ShowFinish(); });
  }

 private:
  template <typename F>
  void Call(F function) {
    QMetaObject::invokeMethod(dialog_, function, Qt::BlockingQueuedConnection);
  }

  CDlgPigeonholeProcess* dialog_;
};

CDlgPigeonholeProcess::CDlgPigeonholeProcess(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      bar_(new QProgressBar(this)),
      name_(new QLineEdit(this)),
      url_(new QPlainTextEdit(this)),
      relay_(std::make_unique<Relay>(this)) {
  setWindowTitle(tr("归档进度"));
  bar_->setAccessibleName(tr("进度"));
  bar_->setRange(0, 1);
  bar_->setValue(0);
  name_->setReadOnly(true);
  url_->setReadOnly(true);
  url_->setFixedHeight(url_->fontMetrics().lineSpacing() * 3 + 12);
  auto* form = new QFormLayout;
  form->addRow(MakeBuddyLabel(tr("文件项目："), name_, this), name_);
  form->addRow(MakeBuddyLabel(tr("文件路径："), url_, this), url_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(bar_);
  layout->addLayout(form);
  resize(460, sizeHint().height());
}

CDlgPigeonholeProcess::~CDlgPigeonholeProcess() = default;

IFilingProgress& CDlgPigeonholeProcess::WorkerProgress() { return *relay_; }

void CDlgPigeonholeProcess::ShowStart(size_t count) {
  bar_->setRange(0, static_cast<int>(count));
  bar_->setValue(0);
  handled_ = 0;
}

void CDlgPigeonholeProcess::ShowItem(const QString& name, const QString& url) {
  name_->setText(name);
  url_->setPlainText(url);
  bar_->setValue(handled_++);
}

ErrorChoice CDlgPigeonholeProcess::AskAboutError(const QString& message) {
  QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kMessageCaption),
                  message + QLatin1Char('\n') + tr("是否继续"),
                  QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore, this);
  switch (box.exec()) {
    case QMessageBox::Abort:
      return ErrorChoice::Abort;
    case QMessageBox::Retry:
      return ErrorChoice::Retry;
    default:
      return ErrorChoice::Ignore;
  }
}

void CDlgPigeonholeProcess::ShowFinish() {
  bar_->setValue(bar_->maximum());
  finished_ = true;
}

void CDlgPigeonholeProcess::reject() {
  // Closing while the engine still reports here would leave it talking to nobody.
  if (finished_) QDialog::reject();
}

}  // namespace ovelin
