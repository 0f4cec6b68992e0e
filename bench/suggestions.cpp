// The header fields' suggestion look-ups on a generated register: a typed key against
// 100,000 patients, and against 10,000 diagnosis phrases and 10,000 symptoms. Each run
// is the statement and the items the list shows, as one keystroke costs them.
#include "startup/AppState.h"
#include "startup/TemplateFiles.h"
#include "store/Database.h"
#include "store/PhraseList.h"
#include "store/Suggestions.h"
#include "text/SearchKeys.h"

#include <QDir>
#include <QTemporaryDir>

#include <SQLiteCpp/Transaction.h>

#include <benchmark/benchmark.h>

#include <random>

namespace {

const QString kSurnames = QStringLiteral("王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗郑梁谢宋唐许韩冯邓曹彭曾肖田董袁潘于蒋蔡余杜叶程苏魏吕丁任沈姚卢姜崔钟谭陆汪范金石廖贾夏韦付方白邹孟熊秦邱江尹薛闫段雷侯龙史陶黎贺顾毛郝龚邵万钱严覃武戴莫孔向汤");
const QString kGiven = QStringLiteral("伟芳娜敏静丽强磊军洋勇艳杰娟涛明超秀霞平刚桂英华玉兰萍红建国文辉力斌波宇浩凯健俊帆鹏飞晨阳欣怡梓涵子轩雨婷佳琪思彤博文一诺嘉");
const QString kPhraseCharacters = QStringLiteral("感冒咳嗽发热头痛腹泻胃炎支气管肺高血压糖尿病慢性急性上呼吸道感染扁桃体咽喉关节炎腰椎间盘突出颈肌劳损皮疹过敏湿疹失眠贫血眩晕心律不齐冠脉硬化");

struct Register {
  QTemporaryDir dir;
  QString path;
};

Register& generatedRegister() {
  static Register reg = [] {
    Register r;
    startup::writeMissingTemplates(r.dir.path());
    r.path = QDir(r.dir.path()).filePath(startup::kMainDbFile);
    store::Database db(r.path);
    store::ensureSuggestionIndexes(db);
    std::mt19937 random(20261210);
    auto pick = [&](const QString& from) { return from[qsizetype(random() % from.size())]; };
    SQLite::Transaction transaction(db.sql());
    db.exec(R"(DELETE FROM "诊断"; DELETE FROM "地址"; DELETE FROM "患者信息";)");
    SQLite::Statement patient(db.sql(), R"(INSERT INTO "患者信息" ("序号", "姓名", "性别", "年龄", "医疗证号", "电话",
        "住址", "费别", "诊断", "过敏史") VALUES (?, ?, ?, ?, ?, ?, ?, '自费', '感冒', '无'))");
    for (int i = 0; i < 100000; ++i) {
      QString name = pick(kSurnames);
      for (int n = 1 + int(random() % 2); n > 0; --n) name += pick(kGiven);
      const QString year = QString::number(1930 + int(random() % 95));
      store::bindText(patient, 1, text::PatientKey(name, year));
      store::bindText(patient, 2, name);
      store::bindText(patient, 3, random() % 2 ? QStringLiteral("男") : QStringLiteral("女"));
      store::bindText(patient, 4, year);
      store::bindText(patient, 5, QString::number(random()));
      store::bindText(patient, 6, QString::number(13800000000LL + random() % 100000000));
      store::bindText(patient, 7, QStringLiteral("城关镇") + QString::number(i % 300) + QStringLiteral("号"));
      patient.exec();
      patient.reset();
    }
    SQLite::Statement phrase(db.sql(), R"(INSERT OR IGNORE INTO "诊断" ("序号", "拼音", "名称") VALUES (?, ?, ?))");
    SQLite::Statement symptom(db.sql(), R"(INSERT OR IGNORE INTO "地址" ("名称", "拼音", "序号") VALUES (?, 'x', ?))");
    for (int i = 0; i < 10000; ++i) {
      QString text;
      for (int n = 3 + int(random() % 5); n > 0; --n) text += pick(kPhraseCharacters);
      text += QString::number(i);
      store::bindText(phrase, 1, text);
      store::bindText(phrase, 2, i % 2 ? store::PhraseList::Diagnoses : store::PhraseList::Addresses);
      store::bindText(phrase, 3, text::NameInitialsKey(text));
      phrase.exec();
      phrase.reset();
      // Half of the phrases again as diagnoses, so that the list holds 10,000 of its own.
      store::bindText(phrase, 1, text + u'诊');
      store::bindText(phrase, 2, store::PhraseList::Diagnoses);
      store::bindText(phrase, 3, text::NameInitialsKey(text + u'诊'));
      if (i % 2 == 0) phrase.exec();
      phrase.reset();
      store::bindText(symptom, 1, text);
      store::bindText(symptom, 2, text::SymptomKey(text));
      symptom.exec();
      symptom.reset();
    }
    transaction.commit();
    return r;
  }();
  return reg;
}

// Two typed letters of pinyin initials, and one typed character.
const QStringList kPatientKeys = {QStringLiteral("zh"), QStringLiteral("王"), QStringLiteral("wl")};

void PatientLookUp(benchmark::State& state) {
  store::Database db(generatedRegister().path);
  const QString typed = kPatientKeys[state.range(0)];
  size_t items = 0;
  for (auto _ : state) items = store::patientSuggestions(db, typed, 2026).size();
  state.counters["items"] = double(items);
  state.SetLabel(typed.toStdString());
}
BENCHMARK(PatientLookUp)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

const QStringList kPhraseKeys = {QString(), QStringLiteral("gm"), QStringLiteral("感")};

void DiagnosisLookUp(benchmark::State& state) {
  store::Database db(generatedRegister().path);
  const QString typed = kPhraseKeys[state.range(0)];
  qsizetype items = 0;
  for (auto _ : state) items = store::phraseSuggestions(db, store::PhraseList::Diagnoses, typed).size();
  state.counters["items"] = double(items);
  state.SetLabel(typed.toStdString());
}
BENCHMARK(DiagnosisLookUp)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void SymptomLookUp(benchmark::State& state) {
  store::Database db(generatedRegister().path);
  const QString typed = kPhraseKeys[state.range(0)];
  qsizetype items = 0;
  for (auto _ : state) items = store::symptomSuggestions(db, typed).size();
  state.counters["items"] = double(items);
  state.SetLabel(typed.toStdString());
}
BENCHMARK(SymptomLookUp)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace
