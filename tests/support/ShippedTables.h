// The shipped stroke table, as start-up reads it from the dictionary file it writes.
#pragma once

#include <QString>

namespace testing_support {

// strokeCodeTable after a first start in a temporary folder; read once per program.
const QString& shippedStrokeCodeTable();

}  // namespace testing_support
