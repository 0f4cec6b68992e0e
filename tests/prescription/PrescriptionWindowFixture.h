// The prescription window's flow tests on a one-drug catalogue and an empty record table.
#pragma once

#include "../shell/ShellFixture.h"

#include "prescription/PrescriptionWindow.h"
#include "store/Database.h"

#include <QAbstractScrollArea>
#include <QLabel>
#include <QListView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace testing_support {

// Real input on a control of `window` found by its objectName, as a person gives it.
inline QWidget* controlOf(const QObject& window, const QString& name) {
  auto* control = window.findChild<QWidget*>(name);
  if (!control) throw std::logic_error("no control " + name.toStdString());
  return control;
}
inline void clickOn(const QObject& window, const QString& name, Qt::MouseButton button = Qt::LeftButton) {
  QTest::mouseClick(controlOf(window, name), button);
}
// A click on a list's or a text box's page, at `at` (its centre by default).
inline void clickInside(const QObject& window, const QString& name, Qt::MouseButton button, QPoint at = {}) {
  auto* area = qobject_cast<QAbstractScrollArea*>(controlOf(window, name));
  QTest::mouseClick(area->viewport(), button, {}, at);
}
inline void doubleClickInside(const QObject& window, const QString& name, QPoint at = {}) {
  auto* area = qobject_cast<QAbstractScrollArea*>(controlOf(window, name));
  QTest::mouseDClick(area->viewport(), Qt::LeftButton, {}, at);
}

class PrescriptionWindowFixture : public ShellFixture {
 protected:
  // Starts the program with no records and one drug in the catalogue: 阿莫西林胶囊, a box
  // at 6.25, 40 in stock. The test logs in when it has set up what else it needs.
  void startWithOneDrug() {
    start();
    execMain(R"(DELETE FROM "商品"; DELETE FROM "档案";)");
    execMain(R"(INSERT INTO "商品" ("ID号","名称","查询","分类","单位","单价","备用1","斗位")
                VALUES ('1','阿莫西林胶囊','阿莫西林胶囊-amxljn-1$','西成药·抗生素','盒','6.25','4.80','40'))");
  }

  prescription::PrescriptionWindow& form2() { return window<prescription::PrescriptionWindow>(); }
  QString label(const QString& name) { return named<QLabel>(form2(), name)->text(); }
  // A patient with symptoms, and the same with a one-drug prescription.
  void typePatient() {
    prescription::PrescriptionWindow& f = form2();
    named<QLineEdit>(f, "Text5_0")->setText("张三");
    named<QLineEdit>(f, "Text5_1")->setText("男");
    named<QLineEdit>(f, "Text5_2")->setText("35");
    named<QLineEdit>(f, "Text5_6")->setText("感冒");
    named<QPlainTextEdit>(f, "Text10")->setPlainText("咳嗽两天");
  }
  void typePrescription() {
    typePatient();
    named<QPlainTextEdit>(form2(), "R1")->setPlainText("1. 阿莫西林胶囊 0.25g*24粒×2\n    用法：口服 每日3次");
  }
  // The history list List2: its rows as it shows them, and a press on one of them.
  QListView& historyList() { return *named<QListView>(form2(), "List2"); }
  QStringList historyRows() {
    QStringList rows;
    const QAbstractItemModel* model = historyList().model();
    for (int r = 0; r < model->rowCount(); ++r) rows << model->index(r, 0).data().toString();
    return rows;
  }
  void clickHistoryRow(int row, Qt::MouseButton button = Qt::LeftButton) {
    QListView& list = historyList();
    const QRect place = list.visualRect(list.model()->index(row, 0));
    QTest::mouseClick(list.viewport(), button, {}, place.center());
  }
  // The first column of the first row a query of the main database gives.
  QString stored(const QString& sql) {
    store::Database db(session->state.mainDbPath, store::Database::Mode::ReadOnly);
    SQLite::Statement q(db.sql(), sql.toStdString());
    return q.executeStep() ? store::columnText(q, 0) : QStringLiteral("<no row>");
  }
};

}  // namespace testing_support
