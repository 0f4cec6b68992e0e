#include "shell/service/StrokeDictionary.h"

#include "store/DataFile.h"
#include "store/InputDictionary.h"

namespace shell {
namespace {

using text::InputKind;

store::CounterColumn counterOf(InputKind kind) {
  switch (kind) {
    case InputKind::Drug: return store::CounterColumn::Drug;
    case InputKind::Name: return store::CounterColumn::Name;
    case InputKind::Diagnosis: return store::CounterColumn::Diagnosis;
    case InputKind::Address: return store::CounterColumn::Address;
    case InputKind::Symptom: return store::CounterColumn::Symptom;
    case InputKind::Frequency: break;
  }
  return store::CounterColumn::Frequency;
}

// The pad never creates the dictionary: a missing file is a failure like any other.
template <class Work>
auto withDictionary(const QString& path, store::Database::Mode mode, Work&& work) {
  store::Database db = store::openExisting(path, mode);
  store::InputDictionary dictionary(db);
  return work(dictionary);
}

}  // namespace

QString strokeGlyphs(const QString& digits) {
  static const QString glyphs = QStringLiteral("一丨丿丶ㄑ");
  QString shown;
  shown.reserve(digits.size());
  for (QChar c : digits) {
    const int stroke = c.unicode() - u'1';
    shown += (stroke >= 0 && stroke < glyphs.size()) ? glyphs[stroke] : c;
  }
  return shown;
}

StrokeDictionary::StrokeDictionary(QString path) : path_(std::move(path)) {}

QStringList StrokeDictionary::radicals(const QString& strokes) const {
  return withDictionary(path_, store::Database::Mode::ReadOnly,
                        [&](store::InputDictionary& d) { return d.radicals(strokes, kRadicalSlots); });
}

QStringList StrokeDictionary::characters(const QString& strokes, const QString& radical, InputKind kind) const {
  return withDictionary(path_, store::Database::Mode::ReadOnly, [&](store::InputDictionary& d) {
    return d.characters(strokes, radical, counterOf(kind), kCharacterSlots);
  });
}

bool StrokeDictionary::countPick(const QString& character, InputKind kind) {
  if (character.isEmpty()) return false;
  return withDictionary(path_, store::Database::Mode::ReadWrite, [&](store::InputDictionary& d) {
    return d.countPick(character, counterOf(kind), kPickedCounterFloor);
  });
}

std::optional<qint64> StrokeDictionary::counter(const QString& character, InputKind kind) const {
  return withDictionary(path_, store::Database::Mode::ReadOnly, [&](store::InputDictionary& d) {
    const std::optional<int64_t> value = d.counter(character, counterOf(kind));
    return value ? std::optional<qint64>(*value) : std::nullopt;
  });
}

std::optional<CharacterLookUp> StrokeDictionary::lookUp(const QString& character) const {
  return withDictionary(path_, store::Database::Mode::ReadOnly,
                        [&](store::InputDictionary& d) -> std::optional<CharacterLookUp> {
                          const std::optional<store::DictionaryEntry> entry = d.entry(character);
                          if (!entry) return std::nullopt;
                          return CharacterLookUp{entry->radical, strokeGlyphs(entry->strokes)};
                        });
}

}  // namespace shell
