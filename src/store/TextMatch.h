// A literal "contains" test for statements that scan many rows: the same answer as
// LIKE '%text%' with every pattern character escaped (ASCII letters in either case, every
// other character as it is), at a fraction of the cost per row.
#pragma once

#include <SQLiteCpp/Database.h>

#include <QByteArrayView>

namespace store {

// The SQL function tavorin_contains(value, text): 1 when `value` holds `text` literally,
// ASCII letters compared without case; 0 when it does not; NULL when either is NULL (so a
// row without a value never matches). An empty text is in every value.
inline constexpr const char* kContainsFunction = "tavorin_contains";

// Registers it on a connection (again is harmless); throws SQLite::Exception when refused.
void registerContainsFunction(SQLite::Database& db);

// The test itself, on UTF-8 bytes: a character of UTF-8 never starts inside another, so a
// byte match is a character match.
bool containsIgnoringAsciiCase(QByteArrayView value, QByteArrayView text);

}  // namespace store
