#include "clinical/service/WordLists.h"

#include "text/Blank.h"

namespace clinical {

QString listTitle(const QString& list) {
  if (list == QStringLiteral("地    址")) return QStringLiteral("常用地址");
  return list;
}

std::vector<WordRow> WordLists::search(const QString& search) {
  if (kind_.symptoms()) return store::Symptoms(db_).search(search);
  return store::PhraseList(db_, kind_.list).search(search);
}

WordSaveResult WordLists::save(const QString& phrase, const QString& initials) {
  if (text::trimBlanks(phrase).isEmpty()) return {WordSave::Blank, {}};
  if (kind_.symptoms()) {
    if (initials.isEmpty()) return {WordSave::NoInitials, QStringLiteral("请填写拼音代码！")};
    store::Symptoms symptoms(db_);
    const QString key = phrase + initials;
    if (symptoms.keyKept(key))
      return {WordSave::Duplicate, QStringLiteral("“%1”已在常用症状中，没有重复保存。").arg(phrase)};
    symptoms.insert(phrase, initials, key);
    return {};
  }
  store::PhraseList phrases(db_, kind_.list);
  const QString key = phrase + QStringLiteral("-") + initials;
  if (const auto holder = phrases.listHolding(phrase, key)) {
    const QString message = *holder == kind_.list
                                ? QStringLiteral("“%1”已在列表中，没有重复保存。").arg(phrase)
                                : QStringLiteral("“%1”已在“%2”列表中，没有重复保存。").arg(phrase, listTitle(*holder));
    return {WordSave::Duplicate, message};
  }
  phrases.insert({phrase, key});
  return {};
}

bool WordLists::remove(qint64 rowid) {
  if (kind_.symptoms()) return store::Symptoms(db_).remove(rowid);
  return store::PhraseList(db_, kind_.list).remove(rowid);
}

std::vector<WordRow> searchWordList(const QString& mainPath, const WordListKind& kind, const QString& search) {
  store::Database db(mainPath, store::Database::Mode::ReadOnly);
  return WordLists(db, kind).search(search);
}

WordSaveResult saveToWordList(const QString& mainPath, const WordListKind& kind, const QString& phrase,
                              const QString& initials) {
  store::Database db(mainPath);
  return WordLists(db, kind).save(phrase, initials);
}

bool removeFromWordList(const QString& mainPath, const WordListKind& kind, qint64 rowid) {
  store::Database db(mainPath);
  return WordLists(db, kind).remove(rowid);
}

QStringList herbalUsagePhrases(const QString& mainPath) {
  store::Database db(mainPath, store::Database::Mode::ReadOnly);
  return store::PhraseList(db, store::PhraseList::HerbalUsages).phrases();
}

}  // namespace clinical
