#include "shell/app/about_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "shell/app/app_icons.h"
#include "shell/app/product_info.h"
#include "shell/app/widget_labels.h"

namespace ovelin {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("关于 Ovelin"));
  auto* icon = new QLabel(this);
  icon->setPixmap(AppIcon(IconId::Application).pixmap(48, 48));
  auto* version = Named(new QLabel(QString::fromUtf8(kAboutVersionText), this), tr("版本"));
  const QString url = QString::fromUtf8(kHomePageUrl);
  auto* link =
      Named(new QLabel(QStringLiteral("<a href=\"%1\" style=\"color:#0000ff\">%1</a>").arg(url), this), tr("主页"));
  link->setTextFormat(Qt::RichText);
  link->setOpenExternalLinks(true);
  link->setCursor(Qt::PointingHandCursor);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* texts = new QVBoxLayout;
  texts->addWidget(version);
  texts->addWidget(link);
  auto* row = new QHBoxLayout;
  row->addWidget(icon, 0, Qt::AlignTop);
  row->addLayout(texts, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(buttons);
}

}  // namespace ovelin
