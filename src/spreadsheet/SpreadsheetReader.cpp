#include "spreadsheet/SpreadsheetReader.h"

#include <QDir>
#include <QFile>

namespace spreadsheet {
namespace {

const QByteArray kCompoundFileSignature("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
const QByteArray kZipSignature("PK\x03\x04", 4);

SheetRows failed(const QString& path, const QString& reason) {
  SheetRows rows;
  rows.reason = QStringLiteral("无法读取文件“%1”：%2").arg(QDir::toNativeSeparators(path), reason);
  return rows;
}

}  // namespace

SheetRows SpreadsheetReader::readFirstSheet(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return failed(path, file.errorString());
  const QByteArray head = file.read(8);
  file.close();

  SheetRows rows;
  if (head.startsWith(kCompoundFileSignature)) {
    rows = readXlsFirstSheet(path);
  } else if (head.startsWith(kZipSignature)) {
    rows = readXlsxFirstSheet(path);
  } else {
    return failed(path, QStringLiteral("不是Excel工作簿（.xls或.xlsx）。"));
  }
  if (!rows.ok) return failed(path, rows.reason);

  while (!rows.rows.isEmpty() && rows.rows.last().isEmpty()) rows.rows.removeLast();
  return rows;
}

}  // namespace spreadsheet
