#include "prescription/service/HerbalUsages.h"

#include "store/DataFile.h"
#include "store/PhraseList.h"
#include "text/SearchKeys.h"

namespace prescription {

QStringList defaultHerbalUsages() {
  return {QStringLiteral("用法：加水100ml分3次煎服。"), QStringLiteral("用法：水煎或酒水各半煎服。")};
}

QStringList seedHerbalUsages(const QString& mainDbPath) {
  return store::guarded([&] {
    store::Database db = store::openExisting(mainDbPath);
    store::PhraseList usages(db, store::PhraseList::HerbalUsages);
    const QStringList phrases = usages.phrases();
    if (!phrases.isEmpty()) return phrases;
    QList<store::Phrase> seed;
    for (const QString& phrase : defaultHerbalUsages()) seed.append({phrase, text::NameInitialsKey(phrase)});
    usages.add(seed);
    // What is stored now: a phrase already kept in another list is not added twice.
    return usages.phrases();
  });
}

}  // namespace prescription
