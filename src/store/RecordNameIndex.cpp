#include "store/RecordNameIndex.h"

#include "store/RecordNameIndexFill.h"
#include "store/RecordNameIndexLayout.h"

#include <QStringList>

#include <algorithm>

namespace store {
namespace {

// The code points of a text, each as the QString that holds it.
std::vector<QString> characters(const QString& text) {
  std::vector<QString> out;
  for (const char32_t c : text.toUcs4()) out.push_back(QString::fromUcs4(&c, 1));
  return out;
}

// A text in every spelling its ASCII letters may have (at most four for two letters).
QStringList caseSpellings(const QString& text) {
  QStringList spellings{QString("")};
  for (const QChar c : text) {
    const bool letter = c.unicode() < 0x80 && c.isLetter();
    QStringList next;
    for (const QString& s : spellings) {
      next << s + (letter ? c.toLower() : c);
      if (letter) next << s + c.toUpper();
    }
    spellings = next;
  }
  return spellings;
}

// The text that follows every text starting with `c` in binary (UTF-8) order.
QString following(const QString& c) {
  char32_t code = c.toUcs4().front() + 1;
  if (code == 0xD800) code = 0xE000;
  return code > 0x10FFFF ? QString() : QString::fromUcs4(&code, 1);
}

}  // namespace

bool recordNameIndexReady(Database& main) {
  const std::optional<name_index::State> state = name_index::readState(main.sql());
  if (!state || state->layout != name_index::kLayout || !state->filled || !state->triggersPresent) return false;
  // Records numbered afresh (a file salvaged into a new one) show at once in their
  // highest rowid, before start-up's fuller check has run.
  return main.sql().execAndGet(R"(SELECT coalesce(max(rowid), 0) FROM "档案")").getInt64() == state->keptMaxRowid;
}

void ensureRecordNameIndex(Database& main) {
  RecordNameIndexFill fill(main.path());
  while (fill.step()) {
  }
}

CandidateQuery candidateQuery(IndexedColumn column, const QString& search) {
  CandidateQuery query;
  const QString select =
      QStringLiteral(R"(SELECT "档案" FROM "档案_片段" WHERE "列" = %1 AND )").arg(static_cast<int>(column));
  const std::vector<QString> chars = characters(search);
  QStringList parts;
  if (chars.size() == 1) {
    // Every occurrence of the character starts a piece.
    QStringList ranges;
    for (const QString& c : caseSpellings(chars.front())) {
      const QString end = following(c);
      query.texts.push_back(c);
      if (end.isNull()) {
        ranges << select + QStringLiteral(R"("片段" >= ?)");
      } else {
        ranges << select + QStringLiteral(R"("片段" >= ? AND "片段" < ?)");
        query.texts.push_back(end);
      }
    }
    parts << ranges.join(QStringLiteral(" UNION "));
  } else {
    // The records holding every piece of the search (a few are enough to narrow it).
    QStringList pieces;
    for (size_t i = 0; i + 1 < chars.size(); ++i) {
      const QString piece = chars[i] + chars[i + 1];
      if (!pieces.contains(piece)) pieces << piece;
    }
    if (pieces.size() > 6) pieces = pieces.mid(0, 3) + pieces.mid(pieces.size() - 3);
    QStringList each;
    for (const QString& piece : pieces) {
      const QStringList spellings = caseSpellings(piece);
      for (const QString& s : spellings) query.texts.push_back(s);
      each << select + QStringLiteral(R"("片段" IN (%1))").arg(QStringList(spellings.size(), "?").join(u','));
    }
    parts << each.join(QStringLiteral(" INTERSECT "));
  }
  // Values too long to be cut into pieces are always read.
  query.sql = parts.front() + QStringLiteral(" UNION ") + select + QStringLiteral(R"("片段" = '')");
  return query;
}

}  // namespace store
