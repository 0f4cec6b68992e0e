// The .xlsx side of the reader: the zip package through minizip, its XML parts through
// QXmlStreamReader. Only what the first sheet's cell texts need is read.
#include "spreadsheet/SpreadsheetReader.h"

#include "text/Numbers.h"

#include <QFile>
#include <QHash>
#include <QXmlStreamReader>

#include <minizip/unzip.h>

#include <optional>

namespace spreadsheet {
namespace {

constexpr int kMaxSheetRows = 1048576;
constexpr int kMaxSheetColumns = 16384;

class Package {
 public:
  explicit Package(const QString& path) : zip_(unzOpen64(QFile::encodeName(path).constData())) {}
  ~Package() {
    if (zip_) unzClose(zip_);
  }
  bool isOpen() const { return zip_ != nullptr; }

  // A part's bytes; nullopt when the package has no such part or it cannot be inflated.
  std::optional<QByteArray> part(const QString& name) {
    if (unzLocateFile(zip_, name.toUtf8().constData(), 1) != UNZ_OK) return std::nullopt;
    if (unzOpenCurrentFile(zip_) != UNZ_OK) return std::nullopt;
    QByteArray bytes;
    char buffer[65536];
    int got = 0;
    while ((got = unzReadCurrentFile(zip_, buffer, sizeof buffer)) > 0) bytes.append(buffer, got);
    const bool crcOk = unzCloseCurrentFile(zip_) == UNZ_OK;
    if (got < 0 || !crcOk) return std::nullopt;
    return bytes;
  }

 private:
  unzFile zip_;
};

// A relationship target, resolved against the folder of the part that names it.
QString resolve(const QString& fromPart, const QString& target) {
  if (target.startsWith(u'/')) return target.mid(1);
  QString folder = fromPart.left(fromPart.lastIndexOf(u'/') + 1);
  QString rest = target;
  while (rest.startsWith(QStringLiteral("../"))) {
    rest = rest.mid(3);
    folder = folder.left(folder.lastIndexOf(u'/', folder.size() - 2) + 1);
  }
  return folder + rest;
}

QString relationshipsOf(const QString& part) {
  const qsizetype slash = part.lastIndexOf(u'/');
  return part.left(slash + 1) + QStringLiteral("_rels/") + part.mid(slash + 1) + QStringLiteral(".rels");
}

struct Relationship {
  QString type;
  QString target;
};

QHash<QString, Relationship> readRelationships(const QByteArray& xml) {
  QHash<QString, Relationship> byId;
  QXmlStreamReader reader(xml);
  while (!reader.atEnd()) {
    reader.readNext();
    if (!reader.isStartElement() || reader.name() != u"Relationship") continue;
    const auto a = reader.attributes();
    byId.insert(a.value(QLatin1String("Id")).toString(),
                {a.value(QLatin1String("Type")).toString(), a.value(QLatin1String("Target")).toString()});
  }
  return byId;
}

// The text of an <si> or <is> element: its <t> parts, phonetic runs left out.
QString stringItem(QXmlStreamReader& reader) {
  QString text;
  const QString end = reader.name().toString();
  int phonetic = 0;
  while (!reader.atEnd()) {
    reader.readNext();
    if (reader.isStartElement()) {
      if (reader.name() == u"rPh") ++phonetic;
      else if (reader.name() == u"t" && phonetic == 0) text += reader.readElementText();
    } else if (reader.isEndElement()) {
      if (reader.name() == u"rPh") --phonetic;
      else if (reader.name() == end) break;
    }
  }
  return text;
}

QStringList readSharedStrings(const QByteArray& xml) {
  QStringList strings;
  QXmlStreamReader reader(xml);
  while (!reader.atEnd()) {
    reader.readNext();
    if (reader.isStartElement() && reader.name() == u"si") strings.append(stringItem(reader));
  }
  return strings;
}

// "BC12" gives column 54 (from 0); -1 when the reference has no letters.
int columnOf(QStringView reference) {
  int column = 0;
  int letters = 0;
  for (QChar c : reference) {
    const char16_t u = c.toUpper().unicode();
    if (u < u'A' || u > u'Z') break;
    column = column * 26 + (u - u'A' + 1);
    if (++letters > 3) return -1;
  }
  return letters == 0 ? -1 : column - 1;
}

QString numberText(const QString& v) {
  bool ok = false;
  const double value = v.toDouble(&ok);
  return ok ? text::plainNumber(value) : v;
}

bool readSheet(const QByteArray& xml, const QStringList& shared, SheetRows& out) {
  QXmlStreamReader reader(xml);
  int row = -1;
  int column = -1;
  while (!reader.atEnd()) {
    reader.readNext();
    if (!reader.isStartElement()) continue;
    if (reader.name() == u"row") {
      const QXmlStreamAttributes attributes = reader.attributes();
      const QStringView r = attributes.value(QLatin1String("r"));
      row = r.isEmpty() ? row + 1 : r.toInt() - 1;
      column = -1;
      if (row < 0 || row >= kMaxSheetRows) return false;
    } else if (reader.name() == u"c") {
      const QXmlStreamAttributes attributes = reader.attributes();
      const QStringView reference = attributes.value(QLatin1String("r"));
      column = reference.isEmpty() ? column + 1 : columnOf(reference);
      if (column < 0 || column >= kMaxSheetColumns || row < 0) return false;
      const QString type = attributes.value(QLatin1String("t")).toString();
      QString value;
      QString inlineText;
      while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == u"v") value = reader.readElementText();
        else if (reader.isStartElement() && reader.name() == u"is") inlineText = stringItem(reader);
        else if (reader.isEndElement() && reader.name() == u"c") break;
      }
      QString cell;
      if (type == u"s") {
        bool ok = false;
        const int index = value.toInt(&ok);
        if (!ok || index < 0 || index >= shared.size()) return false;
        cell = shared[index];
      } else if (type == u"inlineStr") {
        cell = inlineText;
      } else if (type.isEmpty() || type == u"n") {
        cell = numberText(value);
      } else {
        cell = value;  // formula strings, booleans, errors, ISO dates: as written
      }
      if (cell.isEmpty()) continue;
      while (out.rows.size() <= row) out.rows.append(QStringList());
      QStringList& cells = out.rows[row];
      while (cells.size() <= column) cells.append(QString());
      cells[column] = cell;
    }
  }
  return !reader.hasError();
}

}  // namespace

SheetRows readXlsxFirstSheet(const QString& path) {
  SheetRows out;
  Package package(path);
  if (!package.isOpen()) {
    out.reason = QStringLiteral("文件已损坏或不是Excel工作簿。");
    return out;
  }
  const QString broken = QStringLiteral("文件已损坏或不是Excel工作簿（缺少%1）。");

  // The workbook part, named by the package's relationships.
  QString workbookPart = QStringLiteral("xl/workbook.xml");
  if (const auto rels = package.part(QStringLiteral("_rels/.rels"))) {
    for (const Relationship& r : readRelationships(*rels))
      if (r.type.endsWith(QStringLiteral("/officeDocument"))) workbookPart = resolve(QString(), r.target);
  }
  const auto workbook = package.part(workbookPart);
  const auto workbookRels = package.part(relationshipsOf(workbookPart));
  if (!workbook || !workbookRels) {
    out.reason = broken.arg(workbookPart);
    return out;
  }
  const QHash<QString, Relationship> rels = readRelationships(*workbookRels);

  // The first <sheet> of the workbook, by its relationship id.
  QString firstSheetId;
  QXmlStreamReader reader(*workbook);
  while (!reader.atEnd() && firstSheetId.isEmpty()) {
    reader.readNext();
    if (!reader.isStartElement() || reader.name() != u"sheet") continue;
    for (const QXmlStreamAttribute& a : reader.attributes())
      if (a.name() == u"id" && !a.namespaceUri().isEmpty()) firstSheetId = a.value().toString();
  }
  if (firstSheetId.isEmpty() || !rels.contains(firstSheetId)) {
    out.reason = QStringLiteral("文件中没有工作表。");
    return out;
  }
  const QString sheetPart = resolve(workbookPart, rels.value(firstSheetId).target);

  QStringList shared;
  for (const Relationship& r : rels) {
    if (!r.type.endsWith(QStringLiteral("/sharedStrings"))) continue;
    const QString part = resolve(workbookPart, r.target);
    const auto xml = package.part(part);
    if (!xml) {
      out.reason = broken.arg(part);
      return out;
    }
    shared = readSharedStrings(*xml);
  }

  const auto sheet = package.part(sheetPart);
  if (!sheet) {
    out.reason = broken.arg(sheetPart);
    return out;
  }
  if (!readSheet(*sheet, shared, out)) {
    out.rows.clear();
    out.reason = QStringLiteral("工作表内容格式不正确。");
    return out;
  }
  out.ok = true;
  return out;
}

}  // namespace spreadsheet
