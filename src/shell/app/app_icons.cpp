#include "shell/app/app_icons.h"

#include <QString>

namespace ovelin {
namespace {

struct IconFiles {
  const char* normal;
  const char* disabled;  // null when the normal picture is greyed by Qt
};

IconFiles FilesOf(IconId id) {
  switch (id) {
    case IconId::Application:
      return {"app", nullptr};
    case IconId::New:
      return {"new", nullptr};
    case IconId::Delete:
      return {"delete", "delete_grey"};
    case IconId::Find:
      return {"find", nullptr};
    case IconId::Archive:
      return {"archive", nullptr};
    case IconId::Back:
      return {"back", "back_grey"};
    case IconId::Forward:
      return {"forward", "forward_grey"};
    case IconId::Refresh:
      return {"refresh", "refresh_grey"};
    case IconId::Guidance:
      return {"guidance", nullptr};
    case IconId::Export:
      return {"export", nullptr};
    case IconId::Import:
      return {"import", nullptr};
    case IconId::FileSet:
      return {"fileset", nullptr};
    case IconId::RootSet:
      return {"rootset", nullptr};
    case IconId::ViewSet:
      return {"viewset", nullptr};
    case IconId::And:
      return {"and", nullptr};
    case IconId::Or:
      return {"or", nullptr};
    case IconId::Except:
      return {"except", nullptr};
  }
  return {"app", nullptr};
}

QString PathOf(const char* name) { return QStringLiteral(":/icons/%1.png").arg(QLatin1String(name)); }

}  // namespace

QIcon AppIcon(IconId id) {
  const IconFiles files = FilesOf(id);
  QIcon icon(PathOf(files.normal));
  if (id == IconId::Application) icon.addFile(QStringLiteral(":/icons/app48.png"));
  if (files.disabled) icon.addFile(PathOf(files.disabled), QSize(16, 16), QIcon::Disabled);
  return icon;
}

}  // namespace ovelin
