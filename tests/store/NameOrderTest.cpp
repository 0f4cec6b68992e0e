// Names put in order by their sort keys come in the order the name collation gives.
#include "store/NameOrder.h"

#include "store/Database.h"
#include "support/TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

#include <QCollator>
#include <QStringDecoder>

#include <algorithm>
#include <random>

namespace {

TEST(NameOrder, SortKeysOrderNamesAsTheCollationDoes) {
  const QStringList names = {"黄芪", "0.9%氯化钠注射液", "阿莫西林胶囊", "Vc片", "vc", "当归", "当归尾", "白术",
                             "维生素B1片", "维生素B12片", "维生素b1", "10%葡萄糖", "甘草", "2型糖尿病", "阿司匹林"};
  testing_support::TempFolder folder;
  store::Database db(QDir(folder.path()).filePath("names.dat"), store::Database::Mode::Create);
  db.exec(QStringLiteral("CREATE TABLE t (name TEXT)"));
  for (const QString& name : names) {
    SQLite::Statement insert(db.sql(), "INSERT INTO t VALUES (?)");
    store::bindText(insert, 1, name);
    insert.exec();
  }
  SQLite::Statement q(db.sql(), std::string("SELECT name FROM t ORDER BY name COLLATE ") + store::kNameCollation + ", rowid");
  QStringList byCollation;
  while (q.executeStep()) byCollation << store::columnText(q, 0);

  QStringList byKeys = names;
  std::stable_sort(byKeys.begin(), byKeys.end(),
                   [](const QString& a, const QString& b) { return store::NameSortKey(a) < store::NameSortKey(b); });
  EXPECT_EQ(byKeys, byCollation);
  EXPECT_EQ(byCollation.first(), "0.9%氯化钠注射液") << "digits and Latin letters before Chinese";
  EXPECT_LT(byCollation.indexOf("白术"), byCollation.indexOf("当归")) << "pinyin order";
}

// The collation reads the stored bytes as QString::fromUtf8 would: a byte order mark
// kept, a bad byte as U+FFFD; the same bytes are equal.
TEST(NameOrder, CollationComparesTheStoredBytesAsTheirText) {
  const std::vector<std::string> names = {"当归", "\xEF\xBB\xBF当归", "当\xFF归", "当\xFF", "当归", "a\xC3", "A",
                                          "甘草12", "甘草12", "甘草2", "", "\xF0\xA0\x80\x80", "黄芪"};
  testing_support::TempFolder folder;
  store::Database db(QDir(folder.path()).filePath("names.dat"), store::Database::Mode::Create);
  db.exec(QStringLiteral("CREATE TABLE t (name TEXT)"));
  for (const std::string& name : names) {
    SQLite::Statement insert(db.sql(), "INSERT INTO t VALUES (?)");
    insert.bind(1, name);
    insert.exec();
  }
  SQLite::Statement q(db.sql(), std::string("SELECT rowid FROM t ORDER BY name COLLATE ") + store::kNameCollation + ", rowid");
  std::vector<size_t> byCollation;
  while (q.executeStep()) byCollation.push_back(size_t(q.getColumn(0).getInt64()) - 1);

  std::vector<size_t> byText(names.size());
  for (size_t i = 0; i < names.size(); ++i) byText[i] = i;
  std::stable_sort(byText.begin(), byText.end(), [&](size_t a, size_t b) {
    return store::compareNames(QString::fromUtf8(names[a]), QString::fromUtf8(names[b])) < 0;
  });
  EXPECT_EQ(byCollation, byText);
}

// The stored bytes as Qt's UTF-8 decoder reads them: a leading byte order mark kept as a
// character, each bad byte as U+FFFD.
QString decodedByQt(const std::string& bytes) {
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom | QStringDecoder::Flag::Stateless);
  return decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

// The name order as it is defined: the name decoded as above, cut into runs of ASCII and
// of other characters, ASCII before the rest, each pair of runs compared by the zh_CN
// collator.
int definedOrder(const std::string& left, const std::string& right) {
  const QString a = decodedByQt(left);
  const QString b = decodedByQt(right);
  const auto ascii = [](QChar c) { return c.unicode() < 0x80; };
  qsizetype i = 0;
  qsizetype j = 0;
  while (i < a.size() && j < b.size()) {
    if (ascii(a[i]) != ascii(b[j])) return ascii(a[i]) ? -1 : 1;
    qsizetype endA = i;
    while (endA < a.size() && ascii(a[endA]) == ascii(a[i])) ++endA;
    qsizetype endB = j;
    while (endB < b.size() && ascii(b[endB]) == ascii(b[j])) ++endB;
    if (const int order = store::nameCollator()->compare(a.mid(i, endA - i), b.mid(j, endB - j))) return order;
    i = endA;
    j = endB;
  }
  return i < a.size() ? 1 : j < b.size() ? -1 : 0;
}

int sign(int v) { return (v > 0) - (v < 0); }

// Names drawn from pieces that test every turn of the comparison: Chinese (common,
// polyphonic, traditional, rare non-BMP), Latin letters in both cases and with accents,
// digits, punctuation, blanks of several kinds, combining marks, full-width forms, a
// byte order mark, noncharacters, and byte sequences that are not UTF-8 at all.
std::vector<std::string> variedNames() {
  const std::vector<std::string> pieces = {
      "黄芪", "当归", "川芎", "白芍", "熟地", "长", "重", "行", "乐", "藥", "甘草", "\xF0\xA0\x80\x80", "\xF0\x9F\x92\x8A",
      "a", "A", "b", "B", "z", "Z", "vc", "Vc", "VC", "é", "e\xCC\x81", "ā", "ü", "0", "1", "2", "9", "10", "12", "0.9",
      "%", "-", "_", ".", "(", "（", "）", "·", " ", "\t", "\xE3\x80\x80", "\xC2\xA0", "ｍｇ", "Ａ", "１",
      "\xEF\xBB\xBF", "\xEF\xBF\xBE", "\xEF\xB7\x90", "\xFF", "\xC3", "\xE5\xBD", "\xC0\x80", "\xED\xA0\x80",
      "\xF4\x90\x80\x80", "\x80", "\x01"};
  std::vector<std::string> names = {"", "当归", "当归", "Vc片", "vc片", "维生素B1片", "维生素B12片", "维生素b1",
                                    "0.9%氯化钠注射液", "10%葡萄糖", "2型糖尿病", "阿莫西林胶囊", "阿司匹林"};
  std::mt19937 random(20240611);
  std::uniform_int_distribution<size_t> piece(0, pieces.size() - 1);
  std::uniform_int_distribution<int> length(1, 6);
  for (int n = 0; n < 500; ++n) {
    std::string name;
    for (int k = length(random); k > 0; --k) name += pieces[piece(random)];
    names.push_back(name);
    // Near neighbours: the same name with one more piece, and its first piece changed.
    if (n % 5 == 0) names.push_back(name + pieces[piece(random)]);
    if (n % 7 == 0) names.push_back(pieces[piece(random)] + name.substr(std::min(name.size(), size_t(2))));
  }
  return names;
}

TEST(NameOrder, StoredBytesCompareAsTheDefinedOrderForEveryPair) {
  const std::vector<std::string> names = variedNames();
  int mismatches = 0;
  for (const std::string& a : names) {
    for (const std::string& b : names) {
      const int expected = sign(definedOrder(a, b));
      const int actual = sign(store::compareNameBytes(a, b));
      if (expected != actual && ++mismatches <= 10)
        ADD_FAILURE() << '"' << a << "\" vs \"" << b << "\": " << actual << " instead of " << expected;
    }
  }
  EXPECT_EQ(mismatches, 0);
}

}  // namespace
