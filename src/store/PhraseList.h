// The phrase lists of [诊断] and the common symptoms of [地址]. In [诊断] the stored names
// mislead: [拼音] holds the list a phrase belongs to, [序号] the phrase itself and [名称]
// its key (the phrase, "-", its initials). Table [地址] holds symptoms, not addresses.
#pragma once

#include "store/Database.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace store {

struct Phrase {
  QString text;  // [序号]
  QString key;   // [名称]
};

// A listed phrase or symptom with the row it stands in, so that a delete removes exactly
// the row the user saw.
struct PhraseRow {
  qint64 rowid = 0;
  QString text;  // [序号] of a phrase, [名称] of a symptom
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

  // The list's rows whose key holds `search` literally (ASCII case ignored), in table
  // order; an empty search takes them all.
  std::vector<PhraseRow> search(const QString& search);
  // Adds one phrase to the list; throws when the table refuses it (a phrase or key kept
  // already).
  void insert(const Phrase& phrase);
  // Deletes the row when it still belongs to the list; false when it does not.
  bool remove(qint64 rowid);

  // The list in which `phrase` or `key` stands already, whatever the list; nullopt when
  // in none.
  std::optional<QString> listHolding(const QString& phrase, const QString& key);

 private:
  Database& db_;
  QString list_;
};

class Symptoms {
 public:
  explicit Symptoms(Database& db) : db_(db) {}

  // The symptom texts ([名称]) in table order.
  QStringList all();

  // The symptoms whose key ([序号]) holds `search` literally (ASCII case ignored), in
  // table order; an empty search takes them all.
  std::vector<PhraseRow> search(const QString& search);
  // Whether a symptom is kept under the key.
  bool keyKept(const QString& key);
  // Adds the symptom with its initials ([拼音]) under the key; throws when the table
  // refuses it.
  void insert(const QString& text, const QString& initials, const QString& key);
  // Deletes the row; false when it was no longer there.
  bool remove(qint64 rowid);

 private:
  Database& db_;
};

}  // namespace store
