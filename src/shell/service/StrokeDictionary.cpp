#include "shell/service/StrokeDictionary.h"

#include "store/Database.h"

#include <QFileInfo>

#include <array>
#include <stdexcept>
#include <string>

namespace shell {
namespace {

using text::InputKind;

// The statements that name a counter column. The column comes only from this fixed
// list, never from a value the program was handed, and every value is bound.
struct KindStatements {
  InputKind kind;
  std::string byStrokes;
  std::string byRadical;
  std::string count;
  std::string read;
};

KindStatements statementsFor(InputKind kind, const std::string& column) {
  const std::string quoted = "\"" + column + "\"";
  return {
      kind,
      R"(SELECT "汉字" FROM "输入法编码" WHERE "笔画" LIKE ?1 ESCAPE '\' ORDER BY )" + quoted +
          R"( DESC, "序号" LIMIT ?2)",
      R"(SELECT "汉字" FROM "输入法编码" WHERE "部首" = ?1 AND "查询" LIKE ?2 ESCAPE '\' ORDER BY )" + quoted +
          R"( DESC, "序号" LIMIT ?3)",
      "UPDATE \"输入法编码\" SET " + quoted + " = CASE WHEN ifnull(CAST(" + quoted +
          " AS INTEGER), 0) < ?1 THEN ?1 ELSE CAST(" + quoted +
          R"( AS INTEGER) + 1 END WHERE "汉字" = ?2)",
      "SELECT ifnull(CAST(" + quoted + R"( AS INTEGER), 0) FROM "输入法编码" WHERE "汉字" = ?1)",
  };
}

const KindStatements& statements(InputKind kind) {
  static const std::array<KindStatements, 6> all = {
      statementsFor(InputKind::Drug, "药物"),      statementsFor(InputKind::Name, "姓名"),
      statementsFor(InputKind::Diagnosis, "诊断"), statementsFor(InputKind::Address, "地址"),
      statementsFor(InputKind::Symptom, "症状"),   statementsFor(InputKind::Frequency, "词频"),
  };
  for (const KindStatements& s : all)
    if (s.kind == kind) return s;
  throw std::logic_error("unknown input kind");
}

store::Database open(const QString& path, store::Database::Mode mode) {
  // SQLite would make an empty file where none is; the pad never creates the dictionary.
  if (!QFileInfo(path).isFile())
    throw std::runtime_error("no dictionary file at " + path.toStdString());
  return store::Database(path, mode);
}

// Strokes are digits typed on the pad; the pattern matches them as a prefix.
QString prefixPattern(const QString& strokes) {
  QString pattern;
  for (QChar c : strokes) {
    if (c == u'%' || c == u'_' || c == u'\\') pattern += u'\\';
    pattern += c;
  }
  return pattern + u'%';
}

QStringList firstColumn(SQLite::Statement& query) {
  QStringList values;
  while (query.executeStep()) values << store::columnText(query, 0);
  return values;
}

}  // namespace

QString strokeGlyphs(const QString& digits) {
  static const QString glyphs = QStringLiteral("一丨丿丶ㄑ");
  QString shown;
  shown.reserve(digits.size());
  for (QChar c : digits) {
    const int stroke = c.unicode() - u'1';
    shown += (stroke >= 0 && stroke < glyphs.size()) ? glyphs[stroke] : c;
  }
  return shown;
}

StrokeDictionary::StrokeDictionary(QString path) : path_(std::move(path)) {}

QStringList StrokeDictionary::radicals(const QString& strokes) const {
  store::Database db = open(path_, store::Database::Mode::ReadOnly);
  SQLite::Statement query(db.sql(), R"(SELECT "部首" FROM "部首笔画" WHERE "笔画" LIKE ?1 ESCAPE '\'
      ORDER BY "词频" DESC, "编号" LIMIT ?2)");
  store::bindText(query, 1, prefixPattern(strokes));
  query.bind(2, kRadicalSlots);
  return firstColumn(query);
}

QStringList StrokeDictionary::characters(const QString& strokes, const QString& radical,
                                         InputKind kind) const {
  store::Database db = open(path_, store::Database::Mode::ReadOnly);
  const KindStatements& sql = statements(kind);
  if (radical.isEmpty()) {
    SQLite::Statement query(db.sql(), sql.byStrokes);
    store::bindText(query, 1, prefixPattern(strokes));
    query.bind(2, kCharacterSlots);
    return firstColumn(query);
  }
  SQLite::Statement query(db.sql(), sql.byRadical);
  store::bindText(query, 1, radical);
  store::bindText(query, 2, prefixPattern(strokes));
  query.bind(3, kCharacterSlots);
  return firstColumn(query);
}

bool StrokeDictionary::countPick(const QString& character, InputKind kind) {
  if (character.isEmpty()) return false;
  store::Database db = open(path_, store::Database::Mode::ReadWrite);
  SQLite::Statement update(db.sql(), statements(kind).count);
  update.bind(1, static_cast<int64_t>(kPickedCounterFloor));
  store::bindText(update, 2, character);
  return update.exec() > 0;
}

std::optional<qint64> StrokeDictionary::counter(const QString& character, InputKind kind) const {
  store::Database db = open(path_, store::Database::Mode::ReadOnly);
  SQLite::Statement query(db.sql(), statements(kind).read);
  store::bindText(query, 1, character);
  if (!query.executeStep()) return std::nullopt;
  return query.getColumn(0).getInt64();
}

std::optional<CharacterLookUp> StrokeDictionary::lookUp(const QString& character) const {
  store::Database db = open(path_, store::Database::Mode::ReadOnly);
  SQLite::Statement query(db.sql(), R"(SELECT "部首", "笔画" FROM "输入法编码" WHERE "汉字" = ?1)");
  store::bindText(query, 1, character);
  if (!query.executeStep()) return std::nullopt;
  return CharacterLookUp{store::columnText(query, 0), strokeGlyphs(store::columnText(query, 1))};
}

}  // namespace shell
