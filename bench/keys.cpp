// Search keys: pinyin initials and stroke codes per character, and the keys of a
// catalogue of 100,000 generated names.
#include "support/ShippedTables.h"
#include "text/PinyinInitials.h"
#include "text/SearchKeys.h"
#include "text/StrokeCode.h"

#include <QCoreApplication>
#include <QStringList>

#include <benchmark/benchmark.h>

#include <random>

namespace {

// The characters of the shipped stroke table, most common first.
QString tableCharacters() {
  QString characters;
  const QString& table = testing_support::shippedStrokeCodeTable();
  bool atEntry = true;
  for (QChar c : table) {
    if (atEntry) characters += c;
    atEntry = c == u'&';
  }
  return characters;
}

// Names shaped like catalogue rows: "0.9%氯化钠注射液{100}", "阿莫西林胶囊", "紫苑".
QStringList generatedNames(int count) {
  const QString characters = tableCharacters().left(3000);
  const QStringList prefixes = {"", "", "", "0.9%", "5%", "10%", "0.5%", "复方", "小儿"};
  const QStringList suffixes = {"", "", "", "{100}", "{250}", "片", "胶囊", "注射液", "颗粒", "[10ml]"};
  std::mt19937 random(20240305);
  std::uniform_int_distribution<int> length(2, 7);
  std::uniform_int_distribution<qsizetype> pick(0, characters.size() - 1);
  QStringList names;
  names.reserve(count);
  for (int i = 0; i < count; ++i) {
    QString name = prefixes[random() % prefixes.size()];
    for (int n = length(random); n > 0; --n) name += characters[pick(random)];
    name += suffixes[random() % suffixes.size()];
    names.append(name);
  }
  return names;
}

const QStringList& names() {
  static const QStringList list = generatedNames(100000);
  return list;
}

qsizetype characterCount(const QStringList& list, qsizetype count) {
  qsizetype n = 0;
  for (qsizetype i = 0; i < count; ++i) n += list[i].size();
  return n;
}

void PinyinInitialsPerCharacter(benchmark::State& state) {
  const QStringList& list = names();
  text::PinyinInitials(list[0]);  // builds the lists' table
  qsizetype characters = 0;
  for (auto _ : state) {
    for (qsizetype i = 0; i < 1000; ++i) benchmark::DoNotOptimize(text::PinyinInitials(list[i]));
    characters += characterCount(list, 1000);
  }
  state.SetItemsProcessed(characters);
}
BENCHMARK(PinyinInitialsPerCharacter);

void StrokeCodePerCharacter(benchmark::State& state) {
  const text::StrokeCoder coder(testing_support::shippedStrokeCodeTable());
  const QStringList& list = names();
  qsizetype characters = 0;
  for (auto _ : state) {
    for (qsizetype i = 0; i < 1000; ++i) benchmark::DoNotOptimize(coder.StrokeCode(list[i]));
    characters += characterCount(list, 1000);
  }
  state.SetItemsProcessed(characters);
}
BENCHMARK(StrokeCodePerCharacter);

// For comparison: the same through a scan of the joined table.
void StrokeCodeByScanPerCharacter(benchmark::State& state) {
  const QString& table = testing_support::shippedStrokeCodeTable();
  const QStringList& list = names();
  qsizetype characters = 0;
  for (auto _ : state) {
    for (qsizetype i = 0; i < 100; ++i) {
      const QString& s = list[i];
      QString code;
      for (qsizetype k = 0; k < s.size(); ++k) {
        const qsizetype p = table.indexOf(s[k]);
        if (p < 0) continue;
        if (s.size() < 5 && k == s.size() - 1)
          code += table.mid(p + 1, table.indexOf(u'&', p + 1) - p - 1);
        else
          code += table.mid(p + 1, 1);
      }
      benchmark::DoNotOptimize(code);
    }
    characters += characterCount(list, 100);
  }
  state.SetItemsProcessed(characters);
}
BENCHMARK(StrokeCodeByScanPerCharacter);

void CatalogSearchKeysOf100000Names(benchmark::State& state) {
  const text::StrokeCoder coder(testing_support::shippedStrokeCodeTable());
  const QStringList& list = names();
  for (auto _ : state)
    for (const QString& name : list) benchmark::DoNotOptimize(text::CatalogSearchKey(name, coder));
  state.SetItemsProcessed(state.iterations() * list.size());
}
BENCHMARK(CatalogSearchKeysOf100000Names)->Unit(benchmark::kMillisecond);

void BuildStrokeCoder(benchmark::State& state) {
  const QString& table = testing_support::shippedStrokeCodeTable();
  for (auto _ : state) benchmark::DoNotOptimize(text::StrokeCoder(table));
}
BENCHMARK(BuildStrokeCoder)->Unit(benchmark::kMicrosecond);

}  // namespace
