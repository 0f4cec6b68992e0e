// The stroke pad: one refresh on the shipped dictionary, as every stroke key runs it:
// the radicals of the strokes and the 42 best characters ranked by the kind's counter.
#include "shell/service/StrokePad.h"
#include "startup/TemplateFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct Shipped {
  QTemporaryDir dir;
  QString path;
  Shipped() {
    startup::writeMissingTemplates(dir.path());
    path = QDir(dir.path()).filePath(QStringLiteral("综合设置.dat"));
  }
};

// state.range(0): how many strokes of 丿丨ㄑ一一 (的) are typed before the measured one.
void RefreshAfterAStroke(benchmark::State& state) {
  Shipped shipped;
  shell::StrokePad pad{shell::StrokeDictionary(shipped.path)};
  pad.setKind(QStringLiteral("药物"));
  const int strokes[] = {3, 2, 5, 1, 1};
  for (int i = 0; i < state.range(0); ++i) pad.typeStroke(strokes[i]);
  pad.typeStroke(strokes[state.range(0)]);
  if (pad.view().characters.isEmpty()) state.SkipWithError("no characters listed");
  for (auto _ : state) benchmark::DoNotOptimize(pad.refresh());
}
BENCHMARK(RefreshAfterAStroke)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

// Nothing typed: every character is ranked (the opening and every clear).
void RefreshWithNothingTyped(benchmark::State& state) {
  Shipped shipped;
  shell::StrokePad pad{shell::StrokeDictionary(shipped.path)};
  pad.setKind(QStringLiteral("词频"));
  for (auto _ : state) benchmark::DoNotOptimize(pad.refresh());
}
BENCHMARK(RefreshWithNothingTyped)->Unit(benchmark::kMillisecond);

// A radical chosen, then one stroke of the rest.
void RefreshWithARadical(benchmark::State& state) {
  Shipped shipped;
  shell::StrokePad pad{shell::StrokeDictionary(shipped.path)};
  pad.refresh();
  if (!pad.pickRadical(pad.view().radicals.indexOf(QStringLiteral("扌")))) state.SkipWithError("no 扌");
  pad.typeStroke(1);
  for (auto _ : state) benchmark::DoNotOptimize(pad.refresh());
}
BENCHMARK(RefreshWithARadical)->Unit(benchmark::kMillisecond);

// A pick's count: one update of one counter.
void CountAPick(benchmark::State& state) {
  Shipped shipped;
  shell::StrokeDictionary dictionary(shipped.path);
  for (auto _ : state) benchmark::DoNotOptimize(dictionary.countPick(QStringLiteral("的"), text::InputKind::Drug));
}
BENCHMARK(CountAPick)->Unit(benchmark::kMillisecond);

}  // namespace
