// The phrase lists of [诊断] and the common symptoms of [地址]. In [诊断] the stored names
// mislead: [拼音] holds the list a phrase belongs to, [序号] the phrase itself and [名称]
// its key (the phrase, "-", its initials). Table [地址] holds symptoms, not addresses.
#pragma once

#include "store/Database.h"

#include <QStringList>

namespace store {

struct Phrase {
  QString text;  // [序号]
  QString key;   // [名称]
};

class PhraseList {
 public:
  static inline const QString Diagnoses = QStringLiteral("诊断名称");
  static inline const QString Addresses = QStringLiteral("地    址");  // four blanks
  static inline const QString HerbalUsages = QStringLiteral("中药用法");

  PhraseList(Database& db, QString list) : db_(db), list_(std::move(list)) {}

  // The list's phrases in table order.
  QStringList phrases();
  // Adds the phrases to the list in one transaction (the caller's, when one is open). A
  // phrase or key that is already kept (in any list) is not added a second time; the
  // others are.
  void add(const QList<Phrase>& phrases);

 private:
  Database& db_;
  QString list_;
};

class Symptoms {
 public:
  explicit Symptoms(Database& db) : db_(db) {}

  // The symptom texts ([名称]) in table order.
  QStringList all();

 private:
  Database& db_;
};

}  // namespace store
