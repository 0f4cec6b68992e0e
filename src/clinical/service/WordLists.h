// The phrase lists the prescription window suggests from: diagnoses, addresses and
// herbal usages in [诊断], common symptoms in [地址]. Each listed item remembers its
// row, so a delete removes exactly the row the user saw, even when another workstation
// has added phrases since the list was filled. Searches are literal.
#pragma once

#include "store/Database.h"
#include "store/PhraseList.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace clinical {

// A listed row: what the list shows and the row it stands in.
using WordRow = store::PhraseRow;

// Where a list lives: one kind of [诊断], or the symptoms of [地址].
struct WordListKind {
  QString list;  // [诊断].[拼音]; empty for the symptoms
  bool symptoms() const { return list.isEmpty(); }
};

enum class WordSave { Saved, Blank, NoInitials, Duplicate };

struct WordSaveResult {
  WordSave outcome = WordSave::Saved;
  QString message;  // why nothing was stored; empty when saved or blank
};

class WordLists {
 public:
  WordLists(store::Database& db, WordListKind kind) : db_(db), kind_(std::move(kind)) {}

  // The rows whose search key holds `search` as typed (any character is itself), in
  // table order; an empty search lists them all.
  std::vector<WordRow> search(const QString& search);
  // Adds the phrase (stored as typed) with its initials. The phrase tables take a phrase
  // once; a phrase kept already is refused with a message that names its list.
  WordSaveResult save(const QString& phrase, const QString& initials);
  // Deletes the row; false when it was no longer there.
  bool remove(qint64 rowid);

 private:
  store::Database& db_;
  WordListKind kind_;
};

// The same on the main file at `mainPath`, opened for the one call (read-only for a
// search). Each throws as the store does when the file cannot be used.
std::vector<WordRow> searchWordList(const QString& mainPath, const WordListKind& kind, const QString& search);
WordSaveResult saveToWordList(const QString& mainPath, const WordListKind& kind, const QString& phrase,
                              const QString& initials);
bool removeFromWordList(const QString& mainPath, const WordListKind& kind, qint64 rowid);
// The herbal usage phrases, in table order, as the prescription window offers them.
QStringList herbalUsagePhrases(const QString& mainPath);

// The name a list goes by in messages.
QString listTitle(const QString& list);

}  // namespace clinical
