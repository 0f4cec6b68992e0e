// The literal "contains" function gives the answer that LIKE '%text%' ESCAPE '\' gives
// with every pattern character escaped, row for row, NULL included.
#include "store/Database.h"
#include "store/LikePattern.h"
#include "store/TextMatch.h"

#include <gtest/gtest.h>

namespace {

// The answer of an expression over two bound values: 1, 0, or -1 for NULL.
int answer(SQLite::Database& db, const std::string& expression, const QString& value, const QString& text) {
  SQLite::Statement q(db, "SELECT " + expression);
  store::bindText(q, 1, value);
  store::bindText(q, 2, text);
  q.executeStep();
  return q.getColumn(0).isNull() ? -1 : q.getColumn(0).getInt();
}

// A text of the table; nullptr is NULL, and "" stays an empty text, not NULL.
QString textOf(const char16_t* s) {
  if (!s) return QString();
  const QString t = QString::fromUtf16(s);
  return t.isNull() ? QString("") : t;
}

TEST(TextMatch, AgreesWithAnEscapedLike) {
  SQLite::Database db(":memory:", SQLite::OPEN_READWRITE);
  store::registerContainsFunction(db);
  store::registerContainsFunction(db);  // again: harmless

  struct Case {
    const char16_t* value;  // nullptr: NULL
    const char16_t* text;
    int expected;
  };
  const Case cases[] = {
      {u"张三-zs", u"zs", 1},
      {u"张三-zs", u"ZS", 1},            // ASCII letters in either case
      {u"O'Brien-ob", u"o'b", 1},
      {u"张三-zs", u"三-", 1},
      {u"张小三-zxs", u"zs", 0},
      {u"张三-zs", u" zs", 0},           // a blank is a character like any other
      {u"王5%", u"%", 1},                // pattern characters are plain
      {u"王55", u"5%", 0},
      {u"王5", u"_", 0},
      {u"a\\b", u"\\", 1},
      {u"ÄBC", u"äbc", 0},               // only ASCII letters fold, as in LIKE
      {u"ÄBC", u"Äbc", 1},
      {u"黄芪", u"芪", 1},
      {u"黄", u"黄芪", 0},                // longer than the value
      {u"", u"", 1},
      {u"x", u"", 1},
      {nullptr, u"a", -1},               // a row without a value never matches
  };
  const std::string function = std::string(store::kContainsFunction) + "(?1, ?2)";
  for (const Case& c : cases) {
    const QString value = textOf(c.value);
    const QString text = textOf(c.text);
    const int like = answer(db, R"(?1 LIKE ?2 ESCAPE '\')", value, store::containsPattern(text));
    EXPECT_EQ(like, c.expected) << text.toStdString() << " in " << value.toStdString();
    EXPECT_EQ(answer(db, function, value, text), c.expected) << text.toStdString() << " in " << value.toStdString();
  }
}

}  // namespace
