// Stroke codes: the stroke digits 1 to 5 of a text, from the input-method dictionary.
#pragma once

#include <QString>

#include <memory>

namespace text {

// Built once from the stroke table (character & strokes & "&" per dictionary row);
// looks characters up in maps, with the results of a scan of the joined table.
class StrokeCoder {
 public:
  StrokeCoder();  // an empty table: every code is ""
  explicit StrokeCoder(const QString& strokeCodeTable);
  ~StrokeCoder();
  StrokeCoder(StrokeCoder&&) noexcept;
  StrokeCoder& operator=(StrokeCoder&&) noexcept;

  // The first stroke of each character, except that the last character of a text of
  // fewer than 5 characters gives its whole stroke string.
  QString StrokeCode(const QString& s) const;

  // True when the table holds no character: every code would be "".
  bool isEmpty() const;

 private:
  struct Maps;
  std::unique_ptr<Maps> maps_;
};

}  // namespace text
