// Names as the store compares them: the case of ASCII letters does not count, any other
// character counts as it is.
#pragma once

#include <QString>

namespace text {

// The name with its ASCII capitals made small: two names are the same to the store
// exactly when their keys are equal.
QString asciiCaseKey(const QString& name);

}  // namespace text
