// The workbook's shared string table: every distinct text once, cells refer to it by index.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <cstdint>

namespace spreadsheet::biff {

class SharedStrings {
 public:
  // The index of the text, adding it on first use; counts every use.
  std::uint32_t indexOf(const QString& s);

  // Appends the table record, with continuation records where it passes 8,224 bytes,
  // and the index record after it that lets readers find every eighth-or-so string.
  void write(QByteArray& stream) const;

 private:
  QHash<QString, std::uint32_t> index_;
  QList<QString> strings_;
  std::uint32_t uses_ = 0;
};

}  // namespace spreadsheet::biff
