#include "templates/ShippedRows.h"

#include "text/PinyinInitials.h"
#include "text/SearchKeys.h"
#include "text/StrokeCode.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <SQLiteCpp/Statement.h>

#include <stdexcept>

namespace templates {
namespace {

// A data file of tab-separated rows under a header line.
struct Table {
  QStringList header;
  QList<QStringList> rows;

  int column(const QString& name) const {
    const int index = header.indexOf(name);
    if (index < 0) throw std::runtime_error("missing column " + name.toStdString());
    return index;
  }
};

QStringList readLines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + path.toStdString());
  QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
  while (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

Table readTable(const QString& path) {
  Table table;
  if (!QFileInfo::exists(path)) return table;
  QStringList lines = readLines(path);
  if (lines.isEmpty()) return table;
  table.header = lines.takeFirst().split(u'\t');
  for (const QString& line : lines) {
    QStringList fields = line.split(u'\t');
    if (fields.size() != table.header.size())
      throw std::runtime_error(QStringLiteral("%1: bad row: %2").arg(path, line).toStdString());
    table.rows << fields;
  }
  return table;
}

// Multi-line values are written with "\n" (and "\\" for a backslash); stored texts end
// their lines with CR LF.
QString unescapeMultiLine(const QString& value) {
  QString out;
  out.reserve(value.size());
  for (qsizetype i = 0; i < value.size(); ++i) {
    if (value[i] == u'\\' && i + 1 < value.size()) {
      const QChar next = value[++i];
      if (next == u'n') {
        out += QStringLiteral("\r\n");
      } else {
        out += next;
      }
    } else {
      out += value[i];
    }
  }
  return out;
}

QString dataPath(const QString& dataDir, const QString& name) { return QDir(dataDir).filePath(name); }

// The catalogue files, in table order.
const QStringList kCatalogueFiles = {"catalogue/western.tsv", "catalogue/patent.tsv", "catalogue/herbs.tsv",
                                     "catalogue/items.tsv"};

QList<QStringList> catalogueRows(const QString& dataDir, QStringList* names) {
  QList<QStringList> rows;
  for (const QString& file : kCatalogueFiles) {
    const Table table = readTable(dataPath(dataDir, file));
    if (table.rows.isEmpty()) continue;
    const QList<int> columns = {table.column("ID号"), table.column("名称"), table.column("分类"),
                                table.column("单位"), table.column("常用量"), table.column("用法"),
                                table.column("单价"), table.column("备用1"), table.column("备用2"),
                                table.column("斗位")};
    for (const QStringList& fields : table.rows) {
      QStringList row;
      for (int c : columns) row << fields[c];
      rows << row;
      if (names) *names << row[1];
    }
  }
  return rows;
}

QList<std::pair<QString, QString>> phraseRows(const QString& dataDir) {
  QList<std::pair<QString, QString>> rows;
  const Table table = readTable(dataPath(dataDir, "phrases.tsv"));
  if (table.rows.isEmpty()) return rows;
  const int list = table.column("列表");
  const int phrase = table.column("短语");
  for (const QStringList& fields : table.rows) rows.append({fields[list], fields[phrase]});
  return rows;
}

// How many times each character occurs in the texts.
QHash<QChar, int> characterCounts(const QStringList& texts) {
  QHash<QChar, int> counts;
  for (const QString& s : texts)
    for (QChar c : s) ++counts[c];
  return counts;
}

QString strokeTableOf(const Table& dictionary) {
  QString table;
  const int character = dictionary.column("汉字");
  const int strokes = dictionary.column("笔画");
  for (const QStringList& fields : dictionary.rows) table += fields[character] + fields[strokes] + u'&';
  return table;
}

void bind(SQLite::Statement& statement, int index, const QString& value) {
  statement.bind(index, value.toStdString());
}

void loadDictionary(store::Database& db, const QString& dataDir) {
  const Table dictionary = readTable(dataPath(dataDir, "stroke-dictionary.tsv"));
  if (!dictionary.rows.isEmpty()) {
    // The 药物 and 诊断 counters start above 10000 for the characters of the shipped
    // catalogue names and diagnoses, so the stroke pad offers them first there.
    QStringList names;
    catalogueRows(dataDir, &names);
    QStringList diagnoses;
    for (const auto& [list, phrase] : phraseRows(dataDir))
      if (list == QStringLiteral("诊断名称")) diagnoses << phrase;
    const QHash<QChar, int> drugCounts = characterCounts(names);
    const QHash<QChar, int> diagnosisCounts = characterCounts(diagnoses);

    const int serial = dictionary.column("序号");
    const int character = dictionary.column("汉字");
    const int radical = dictionary.column("部首");
    const int strokes = dictionary.column("笔画");
    const int query = dictionary.column("查询");
    const int frequency = dictionary.column("词频");
    SQLite::Statement insert(db.sql(), R"(INSERT INTO "输入法编码"
        ("序号", "汉字", "部首", "笔画", "查询", "词频", "药物", "姓名", "诊断", "地址", "症状")
        VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?))");
    for (const QStringList& fields : dictionary.rows) {
      const int counter = fields[frequency].toInt();
      const QChar c = fields[character].isEmpty() ? QChar() : fields[character][0];
      insert.bind(1, fields[serial].toInt());
      bind(insert, 2, fields[character]);
      bind(insert, 3, fields[radical]);
      bind(insert, 4, fields[strokes]);
      bind(insert, 5, fields[query]);
      insert.bind(6, counter);
      insert.bind(7, drugCounts.contains(c) ? 10000 + drugCounts.value(c) : counter);
      insert.bind(8, counter);
      insert.bind(9, diagnosisCounts.contains(c) ? 10000 + diagnosisCounts.value(c) : counter);
      insert.bind(10, counter);
      insert.bind(11, counter);
      insert.exec();
      insert.reset();
    }
  }

  const Table radicals = readTable(dataPath(dataDir, "radicals.tsv"));
  if (!radicals.rows.isEmpty()) {
    const int number = radicals.column("编号");
    const int radical = radicals.column("部首");
    const int strokes = radicals.column("笔画");
    const int frequency = radicals.column("词频");
    SQLite::Statement insert(db.sql(), R"(INSERT INTO "部首笔画" ("编号", "部首", "笔画", "词频") VALUES (?, ?, ?, ?))");
    for (const QStringList& fields : radicals.rows) {
      insert.bind(1, fields[number].toInt());
      bind(insert, 2, fields[radical]);
      bind(insert, 3, fields[strokes]);
      insert.bind(4, fields[frequency].toInt());
      insert.exec();
      insert.reset();
    }
  }
}

void loadMain(store::Database& db, const QString& dataDir) {
  const Table dictionary = readTable(dataPath(dataDir, "stroke-dictionary.tsv"));
  const text::StrokeCoder strokes(dictionary.rows.isEmpty() ? QString() : strokeTableOf(dictionary));

  SQLite::Statement drug(db.sql(), R"(INSERT INTO "商品"
      ("ID号", "查询", "用法", "名称", "拼音", "单位", "常用量", "单价", "备用1", "备用2", "备用3", "分类", "斗位")
      VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, '', ?, ?))");
  for (const QStringList& row : catalogueRows(dataDir, nullptr)) {
    // row: ID号 名称 分类 单位 常用量 用法 单价 备用1 备用2 斗位
    const QString& name = row[1];
    bind(drug, 1, row[0]);
    bind(drug, 2, text::CatalogSearchKey(name, strokes));
    bind(drug, 3, row[5]);
    bind(drug, 4, name);
    bind(drug, 5, text::PinyinInitials(name));
    bind(drug, 6, row[3]);
    bind(drug, 7, row[4]);
    bind(drug, 8, row[6]);
    bind(drug, 9, row[7]);
    bind(drug, 10, row[8]);
    bind(drug, 11, row[2]);
    bind(drug, 12, row[9]);
    drug.exec();
    drug.reset();
  }

  const Table templates = readTable(dataPath(dataDir, "templates.tsv"));
  if (!templates.rows.isEmpty()) {
    const int serial = templates.column("序号");
    const int title = templates.column("名称");
    const int kind = templates.column("分类");
    const int order = templates.column("排序");
    const int body = templates.column("内容");
    SQLite::Statement insert(db.sql(), R"(INSERT INTO "个人模板" ("序号", "名称", "内容", "拼音", "查询", "分类", "排序")
        VALUES (?, ?, ?, ?, ?, ?, ?))");
    for (const QStringList& fields : templates.rows) {
      // The record-history templates are not searched by initials: they ship without.
      const bool history = fields[kind] == QStringLiteral("病史模板");
      bind(insert, 1, fields[serial]);
      bind(insert, 2, fields[title]);
      bind(insert, 3, unescapeMultiLine(fields[body]));
      bind(insert, 4, history ? QString() : text::PinyinInitials(fields[title]));
      bind(insert, 5, text::TemplateSearchKey(fields[title], strokes));
      bind(insert, 6, fields[kind]);
      bind(insert, 7, fields[order]);
      insert.exec();
      insert.reset();
    }
  }

  SQLite::Statement phrase(db.sql(), R"(INSERT INTO "诊断" ("名称", "拼音", "序号") VALUES (?, ?, ?))");
  for (const auto& [list, text] : phraseRows(dataDir)) {
    bind(phrase, 1, text::NameInitialsKey(text));
    bind(phrase, 2, list);
    bind(phrase, 3, text);
    phrase.exec();
    phrase.reset();
  }

  const QString symptomsPath = dataPath(dataDir, "symptoms.txt");
  if (QFileInfo::exists(symptomsPath)) {
    SQLite::Statement symptom(db.sql(), R"(INSERT INTO "地址" ("名称", "拼音", "序号") VALUES (?, ?, ?))");
    for (const QString& line : readLines(symptomsPath)) {
      if (line.isEmpty()) continue;
      bind(symptom, 1, line);
      bind(symptom, 2, text::PinyinInitials(line));
      bind(symptom, 3, text::SymptomKey(line));
      symptom.exec();
      symptom.reset();
    }
  }
}

}  // namespace

void loadShippedRows(TemplateFile file, store::Database& db, const QString& dataDir) {
  switch (file) {
    case TemplateFile::Main:
      loadMain(db, dataDir);
      break;
    case TemplateFile::Dictionary:
      loadDictionary(db, dataDir);
      break;
    case TemplateFile::Inventory:
      break;  // its shipped rows are in the schema file
  }
}

}  // namespace templates
