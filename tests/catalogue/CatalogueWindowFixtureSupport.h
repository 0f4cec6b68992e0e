// The catalogue window opened from the menu over a real data folder, with helpers to
// reach its cells and read the catalogue table.
#pragma once

#include "../shell/ShellFixture.h"

#include "catalogue/CatalogueWindow.h"
#include "catalogue/service/CatalogueCategories.h"
#include "shell/MainWindow.h"
#include "store/Database.h"
#include "support/RealInput.h"
#include "support/TypedKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

namespace testing_support {

class CatalogueWindowFixture : public ShellFixture {
 protected:
  // Starts the program with an empty catalogue, runs `sql` on it and opens the window.
  catalogue::CatalogueWindow& open(const QString& sql = {}) {
    start();
    login();
    execMain(QStringLiteral(R"(DELETE FROM "商品")"));
    if (!sql.isEmpty()) execMain(sql);
    chooseFromMenu(QStringLiteral("药物维护"));
    form = loaded<catalogue::CatalogueWindow>();
    QApplication::setActiveWindow(&window<shell::MainWindow>());
    return *form;
  }

  QLineEdit* cell(int row, int column) const { return form->grid->lineCell(row, column); }
  // Puts the caret into a cell as a click would, without selecting the row.
  QLineEdit* enter(int row, int column) {
    QLineEdit* c = cell(row, column);
    c->setFocus(Qt::MouseFocusReason);
    return c;
  }
  void type(int row, int column, const QString& text) { keys(enter(row, column), text); }
  // Types the text into the box key by key, Chinese characters included (as an input
  // method hands them over: a key event carrying the character).
  static void keys(QWidget* box, const QString& text) { testing_support::typeKeys(box, text); }

  // A column of the catalogue in table order; NULL as "<null>".
  QStringList stored(const QString& column) {
    store::Database db(state.mainDbPath, store::Database::Mode::ReadOnly);
    SQLite::Statement q(db.sql(), QStringLiteral(R"(SELECT "%1" FROM "商品" ORDER BY rowid)").arg(column).toStdString());
    QStringList values;
    while (q.executeStep()) {
      const QString v = store::columnText(q, 0);
      values << (v.isNull() ? QStringLiteral("<null>") : v);
    }
    return values;
  }
  // The names the grid shows, up to the first empty row.
  QStringList shownNames() const {
    QStringList names;
    for (int i = 0; i < form->grid->state().recordCount(); ++i) names << form->grid->state().record(i).fields[0];
    return names;
  }

  catalogue::CatalogueWindow* form = nullptr;
};

// A row of 商品 as an INSERT, for the fixtures of the tests.
inline QString catalogueRow(const QString& key, const QString& name, const QString& category, const QString& stock = "",
                            const QString& cost = "", const QString& price = "") {
  return QStringLiteral(R"(INSERT INTO "商品" ("ID号", "名称", "拼音", "分类", "斗位", "备用1", "单价", "查询") )"
                        "VALUES ('%1', '%2', 'x', '%3', %4, '%5', '%6', '%2-x-1$');")
      .arg(key, name, category, stock == "NULL" ? stock : "'" + stock + "'", cost, price);
}

}  // namespace testing_support
