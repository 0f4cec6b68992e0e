// The input-method dictionary "综合设置.dat": [输入法编码], one row per character with
// its radical, strokes and one usage counter per input kind, and [部首笔画], the radicals.
#pragma once

#include "store/Database.h"

#include <QStringList>

#include <cstdint>
#include <optional>

namespace store {

// The usage-counter columns, one per input kind; a column name only ever comes from here.
enum class CounterColumn { Drug, Name, Diagnosis, Address, Symptom, Frequency };

struct DictionaryEntry {
  QString radical;  // [部首]
  QString strokes;  // [笔画]
};

class InputDictionary {
 public:
  explicit InputDictionary(Database& db) : db_(db) {}

  // Radicals whose strokes begin with `strokes`, highest [词频] first, ties by [编号].
  QStringList radicals(const QString& strokes, int limit);
  // Characters whose full strokes begin with `strokes` (no radical), or of `radical`
  // whose strokes after the radical ([查询]) begin with them; highest counter first,
  // ties by [序号].
  QStringList characters(const QString& strokes, const QString& radical, CounterColumn counter, int limit);
  // Lifts the counter of `character` to `floor` when it is below it (or unreadable),
  // else adds one. False when no row holds the character.
  bool countPick(const QString& character, CounterColumn counter, int64_t floor);
  // The counter of `character` (0 when unreadable); nullopt when no row holds it.
  std::optional<int64_t> counter(const QString& character, CounterColumn counter);
  // The radical and strokes of exactly `character`.
  std::optional<DictionaryEntry> entry(const QString& character);
  // Every row as character & strokes & "&", in [序号] order: the stroke table that
  // stroke codes are computed from.
  QString strokeTable();

 private:
  Database& db_;
};

}  // namespace store
