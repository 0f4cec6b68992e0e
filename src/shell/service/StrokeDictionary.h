// The stroke pad's queries over the input-method dictionary "综合设置.dat": radicals and
// characters by their leading strokes, the usage counters, and the look-up of one
// character. Each call opens the file, runs one statement and closes it again.
#pragma once

#include "text/InputKind.h"

#include <QString>
#include <QStringList>

namespace shell {

// The pad shows 14 radical slots and 42 character slots, without paging.
inline constexpr int kRadicalSlots = 14;
inline constexpr int kCharacterSlots = 42;

// A pick lifts a counter below this to it, so a character picked once for a kind ranks
// ahead of every shipped counter of that kind; each later pick adds one.
inline constexpr qint64 kPickedCounterFloor = 10000;

// The stroke digits 1 to 5 as the glyphs the pad shows: 一 丨 丿 丶 ㄑ.
QString strokeGlyphs(const QString& digits);

struct CharacterLookUp {
  QString radical;  // [部首]
  QString strokes;  // [笔画] as glyphs
};

class StrokeDictionary {
 public:
  explicit StrokeDictionary(QString path);

  const QString& path() const { return path_; }

  // Read and write failures throw (store::StoreError for a file that is missing or
  // cannot be opened, SQLite::Exception for a failed statement); the pad decides what
  // the user is told.

  // The radicals whose strokes begin with `strokes`, highest [词频] first (ties by
  // [编号]), at most kRadicalSlots.
  QStringList radicals(const QString& strokes) const;

  // With no radical: the characters whose full strokes begin with `strokes`. With a
  // radical: the characters of that radical whose [查询] (the strokes after the radical)
  // begins with `strokes`. Ranked by the kind's counter, highest first, ties in [序号]
  // order; at most kCharacterSlots.
  QStringList characters(const QString& strokes, const QString& radical, text::InputKind kind) const;

  // Counts one pick of `character` for `kind`: a counter below kPickedCounterFloor (or
  // unreadable) becomes it, any other grows by one; no other column changes. False when
  // the dictionary has no such character.
  bool countPick(const QString& character, text::InputKind kind);

  // The kind's counter of `character`; nullopt when there is no such row.
  std::optional<qint64> counter(const QString& character, text::InputKind kind) const;

  // The radical and strokes of exactly `character`; nullopt when no row has it.
  std::optional<CharacterLookUp> lookUp(const QString& character) const;

 private:
  QString path_;
};

}  // namespace shell
