// The clinical windows as the user meets them, offscreen: opening the medical-record
// window over 1,000 record phrases and 200 record templates, and the outpatient log's
// query button over 1,000,000 stored visits for a range of exactly 30,000, up to the
// first page shown.
#include "clinical/MedicalRecordWindow.h"
#include "clinical/OutpatientLogWindow.h"
#include "shell/Windows.h"
#include "startup/Main.h"
#include "store/Database.h"
#include "support/MillionVisits.h"
#include "support/ScriptedDialogs.h"
#include "support/StandInPrescription.h"
#include "support/StartedIn.h"
#include "ui/Session.h"

#include <QApplication>
#include <QTemporaryDir>

#include <SQLiteCpp/Transaction.h>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A started program in a temporary data folder with its windows defined; `mainDb`, when
// given, stands in for the folder's main database.
struct Program {
  explicit Program(const QString& mainDb = {}) {
    const startup::StartupEnvironment env = bench_support::environmentIn(dir.path(), "BE01");
    state = *startup::Main(env, dialogs);
    if (!mainDb.isEmpty()) state.mainDbPath = mainDb;
    session = std::make_unique<ui::Session>(state, dialogs);
    shell::defineWindows(*session);
  }

  QTemporaryDir dir;
  testing_support::ScriptedDialogs dialogs;
  startup::AppState state;
  std::unique_ptr<ui::Session> session;
};

void addTemplates(const QString& mainDb, const QString& kind, int count, const QString& content) {
  store::Database db(mainDb);
  SQLite::Transaction transaction(db.sql());
  SQLite::Statement row(db.sql(), R"(INSERT INTO "个人模板" ("序号", "名称", "内容", "拼音", "分类", "排序", "查询")
                                      VALUES (?, ?, ?, ?, ?, ?, ?))");
  for (int i = 0; i < count; ++i) {
    const QString name = kind.left(2) + QString::number(i);
    store::bindText(row, 1, QStringLiteral("2024010100%1").arg(i, 4, 10, QLatin1Char('0')));
    store::bindText(row, 2, name);
    store::bindText(row, 3, content);
    store::bindText(row, 4, QStringLiteral("bl"));
    store::bindText(row, 5, kind);
    store::bindText(row, 6, QStringLiteral("%1").arg(i % 1000, 3, 10, QLatin1Char('0')));
    store::bindText(row, 7, name + QStringLiteral("bl$"));
    row.exec();
    row.reset();
  }
  transaction.commit();
}

void OpenTheRecordWindow(benchmark::State& state) {
  Program program;
  program.session->windows.load(QStringLiteral("Form1"));
  program.session->windows.unload(QStringLiteral("Form2"));
  program.session->windows.define(QStringLiteral("Form2"), ui::WindowRegistry::Kind::Child,
                                  [] { return new testing_support::StandInPrescription; });
  auto& prescription = program.session->windows.get<testing_support::StandInPrescription>();
  prescription.state.number = QStringLiteral("20240305143012AB");
  prescription.state.header[prescription::header::kName] = QStringLiteral("林晓东");
  prescription.state.medicalRecord = QStringLiteral("发热两天$受凉后发热\r\n伴咳嗽$$$$$$上呼吸道感染$阿莫西林胶囊$");
  const QString db = program.state.mainDbPath;
  addTemplates(db, QStringLiteral("病历常用语"), 1000, QStringLiteral("双肺呼吸音清，未闻及干湿啰音"));
  addTemplates(db, QStringLiteral("病史模板"), 200, QStringLiteral("发热ほ咳嗽ほほほほほほ上呼吸道感染ほほ"));
  for (auto _ : state) {
    state.PauseTiming();
    program.session->windows.unload(clinical::MedicalRecordWindow::kName);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
    program.session->windows.openFresh(clinical::MedicalRecordWindow::kName);
  }
}
BENCHMARK(OpenTheRecordWindow)->Unit(benchmark::kMillisecond);

void QueryButtonToTheFirstPageShown(benchmark::State& state) {
  Program program(bench_support::storeOfAMillion());
  clinical::OutpatientLogWindow& log = clinical::OutpatientLogWindow::openAfresh(*program.session);
  // 100 days of 300 visits: exactly the 30,000 that are still listed.
  log.Text3->setText(bench_support::day(1000));
  log.Text4->setText(bench_support::day(1099));
  for (auto _ : state) log.Command1_Click();
  state.counters["label"] = log.Label1->text().mid(4).toDouble();
  if (!program.dialogs.messages.isEmpty()) state.SkipWithError("a message was shown");
}
BENCHMARK(QueryButtonToTheFirstPageShown)->Unit(benchmark::kMillisecond);

}  // namespace
