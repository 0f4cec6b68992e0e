#include "text/PinyinTable.h"

#include "text/Gbk.h"

#include <QFile>
#include <QStringList>
#include <QtDebug>

#include <string_view>

namespace text {
namespace {

constexpr int kFirstYCode = 0xD1B9;  // 压
constexpr int kEndYCode = 0xD4D1;    // 匝, not included

// The order in which the lists are searched; there is no list for i, u or v.
constexpr std::string_view kSearchOrder = "abcdefghjklmnopqrstwxyz";

}  // namespace

PinyinTable::PinyinTable(const QString& listsText) {
  QString lists[kSearchOrder.size()];
  for (QStringView line : QStringView(listsText).split(u'\n')) {
    if (line.endsWith(u'\r')) line.chop(1);
    if (line.size() < 2 || line.at(1) != u'\t') continue;
    const std::size_t slot = kSearchOrder.find(line.at(0).toLatin1());
    if (slot == std::string_view::npos) continue;
    lists[slot] += line.mid(2);
  }
  // Filling the lists in search order, first come first kept, gives the letter of the
  // first list that contains the character.
  for (std::size_t i = 0; i < std::size(lists); ++i) {
    for (QChar c : lists[i]) {
      char& letter = letters_[c.unicode()];
      if (letter == 0) letter = kSearchOrder[i];
    }
  }
}

const PinyinTable& PinyinTable::shipped() {
  static const PinyinTable table = [] {
    QFile file(QStringLiteral(":/data/pinyin-initials.txt"));
    if (!file.open(QIODevice::ReadOnly)) {
      qWarning("The pinyin initial lists are missing: Chinese characters get no initials.");
      return PinyinTable(QString());
    }
    return PinyinTable(QString::fromUtf8(file.readAll()));
  }();
  return table;
}

char PinyinTable::initialOf(char32_t c) const {
  if (c >= u'0' && c <= u'9') return static_cast<char>(c);
  if (c >= u'a' && c <= u'z') return static_cast<char>(c);
  if (c >= u'A' && c <= u'Z') return static_cast<char>(c - u'A' + u'a');
  if (c > 0xFFFF) return 0;  // code page 936 holds nothing beyond the BMP
  const QChar qc(static_cast<char16_t>(c));
  return isDoubleByte(qc) ? letters_[c] : 0;
}

QString PinyinTable::initials(const QString& s) const {
  const qsizetype blank = s.indexOf(u' ');
  const QStringView word = QStringView(s).left(blank < 0 ? s.size() : blank);
  QString result;
  result.reserve(word.size());
  for (qsizetype i = 0; i < word.size(); ++i) {
    const QChar c = word.at(i);
    if (c.isHighSurrogate()) {  // a character beyond the BMP adds nothing
      if (i + 1 < word.size() && word.at(i + 1).isLowSurrogate()) ++i;
      continue;
    }
    if (const char letter = initialOf(c.unicode())) {
      result += QLatin1Char(letter);
      continue;
    }
    const int code = gbkCode(c);
    if (code >= kFirstYCode && code < kEndYCode) result += u'y';
  }
  return result;
}

}  // namespace text
