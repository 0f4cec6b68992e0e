// The shipped stroke table, as start-up reads it from the dictionary file it writes.
#pragma once

#include <QString>

namespace testing_support {

// StrokeCodeTable after a first start in a temporary folder. While the dictionary
// template still ships without its rows, the same table is built from
// data/stroke-dictionary.tsv in 序号 order. Read once per program.
const QString& shippedStrokeCodeTable();

// True when shippedStrokeCodeTable() came from the template rather than from data/.
bool strokeTableFromTemplate();

}  // namespace testing_support
