// The reason, in the words of the desk, why a read or write of a data file failed.
#pragma once

#include <QString>

#include <exception>

namespace prescription {

QString storeFailureReason(const std::exception& failure, const QString& path);

}  // namespace prescription
