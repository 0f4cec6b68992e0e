#include "store/TextMatch.h"

#include <sqlite3.h>

namespace store {
namespace {

constexpr unsigned char folded(unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

void containsFunction(sqlite3_context* context, int, sqlite3_value** arguments) {
  if (sqlite3_value_type(arguments[0]) == SQLITE_NULL || sqlite3_value_type(arguments[1]) == SQLITE_NULL) {
    sqlite3_result_null(context);
    return;
  }
  const auto* value = reinterpret_cast<const char*>(sqlite3_value_text(arguments[0]));
  const qsizetype valueBytes = sqlite3_value_bytes(arguments[0]);
  const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(arguments[1]));
  const qsizetype textBytes = sqlite3_value_bytes(arguments[1]);
  if (!value || !text) {
    sqlite3_result_error_nomem(context);
    return;
  }
  sqlite3_result_int(context, containsIgnoringAsciiCase({value, valueBytes}, {text, textBytes}) ? 1 : 0);
}

}  // namespace

bool containsIgnoringAsciiCase(QByteArrayView value, QByteArrayView text) {
  if (text.isEmpty()) return true;
  const auto* v = reinterpret_cast<const unsigned char*>(value.data());
  const auto* t = reinterpret_cast<const unsigned char*>(text.data());
  const qsizetype last = value.size() - text.size();
  const unsigned char first = folded(t[0]);
  for (qsizetype i = 0; i <= last; ++i) {
    if (folded(v[i]) != first) continue;
    qsizetype j = 1;
    while (j < text.size() && folded(v[i + j]) == folded(t[j])) ++j;
    if (j == text.size()) return true;
  }
  return false;
}

void registerContainsFunction(SQLite::Database& db) {
  sqlite3* handle = db.getHandle();
  const int result = sqlite3_create_function_v2(handle, kContainsFunction, 2,
                                                SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS, nullptr,
                                                containsFunction, nullptr, nullptr, nullptr);
  // Busy: a running statement of this connection uses the function, so it is there.
  if (result != SQLITE_OK && result != SQLITE_BUSY) throw SQLite::Exception(handle, result);
}

}  // namespace store
