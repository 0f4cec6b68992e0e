#include "platform/qt/FileColumns.h"

#include <QFileSystemModel>
#include <QLocale>

namespace platform {
namespace {

enum Column { kName, kSize, kType, kDate };

// Qt names a file's type by its content type, in the program's language; a folder and a
// drive it names in English only.
QString typeOf(const QFileInfo& info) {
  if (info.isRoot()) return QStringLiteral("驱动器");
  if (info.isDir()) return QStringLiteral("文件夹");
  return QString();
}

}  // namespace

QVariant FileColumns::data(const QModelIndex& index, int role) const {
  const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
  if (role != Qt::DisplayRole || !files || index.column() == kName || index.column() > kDate)
    return QIdentityProxyModel::data(index, role);
  const QModelIndex source = mapToSource(index);
  const QFileInfo info = files->fileInfo(source);
  // The default locale is the program's (Chinese), the system's the environment's.
  const QLocale shown;
  switch (index.column()) {
    case kSize:
      return info.isDir() ? QString() : shown.formattedDataSize(files->size(source));
    case kType: {
      const QString type = typeOf(info);
      return type.isEmpty() ? QIdentityProxyModel::data(index, role) : type;
    }
    default:
      return shown.toString(files->lastModified(source), QLocale::ShortFormat);
  }
}

}  // namespace platform
