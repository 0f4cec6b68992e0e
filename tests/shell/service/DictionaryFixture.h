// A small input-method dictionary: the shipped template file with its rows replaced.
#pragma once

#include "text/TextTarget.h"
#include "startup/TemplateFiles.h"
#include "store/Database.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QVariant>

#include <vector>

namespace testing_support {

struct CharacterRow {
  int serial;  // 序号
  QString character, radical, strokes, query;
  // 词频, 药物, 姓名, 诊断, 地址, 症状; an invalid QVariant stores NULL.
  QVariant frequency, drug, name, diagnosis, address, symptom;
};

struct RadicalRow {
  int number;  // 编号
  QString radical, strokes;
  int frequency;
};

inline void bindVariant(SQLite::Statement& s, int index, const QVariant& v) {
  if (!v.isValid()) s.bind(index);
  else if (v.typeId() == QMetaType::QString) s.bind(index, v.toString().toStdString());
  else s.bind(index, static_cast<int64_t>(v.toLongLong()));
}

// Writes the templates into `folder` and replaces the dictionary's rows; returns its path.
inline QString writeDictionary(const TempFolder& folder, const std::vector<CharacterRow>& characters,
                               const std::vector<RadicalRow>& radicals) {
  startup::writeMissingTemplates(folder.path());
  const QString path = QDir(folder.path()).filePath(QStringLiteral("综合设置.dat"));
  store::Database db(path);
  db.exec(QStringLiteral(R"(DELETE FROM "输入法编码"; DELETE FROM "部首笔画";)"));
  SQLite::Statement insert(db.sql(), R"(INSERT INTO "输入法编码"
      ("序号", "汉字", "部首", "笔画", "查询", "词频", "药物", "姓名", "诊断", "地址", "症状")
      VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?))");
  for (const CharacterRow& r : characters) {
    insert.bind(1, r.serial);
    store::bindText(insert, 2, r.character);
    store::bindText(insert, 3, r.radical);
    store::bindText(insert, 4, r.strokes);
    store::bindText(insert, 5, r.query);
    int column = 6;
    for (const QVariant* v : {&r.frequency, &r.drug, &r.name, &r.diagnosis, &r.address, &r.symptom})
      bindVariant(insert, column++, *v);
    insert.exec();
    insert.reset();
  }
  SQLite::Statement radical(db.sql(), R"(INSERT INTO "部首笔画" ("编号", "部首", "笔画", "词频") VALUES (?, ?, ?, ?))");
  for (const RadicalRow& r : radicals) {
    radical.bind(1, r.number);
    store::bindText(radical, 2, r.radical);
    store::bindText(radical, 3, r.strokes);
    radical.bind(4, r.frequency);
    radical.exec();
    radical.reset();
  }
  return path;
}

// A text box double: its text, a caret and a selection, and what was done to it.
class FakeTarget : public text::TextTarget {
 public:
  QString text;
  int caret = 0;
  int selectionLength = 0;  // selected characters from the caret onwards
  bool typeable = true;
  int focusTaken = 0;
  int entersSent = 0;

  bool canType() const override { return typeable; }
  void insertText(const QString& inserted) override {
    text.replace(caret, selectionLength, inserted);
    caret += inserted.size();
    selectionLength = 0;
  }
  bool deleteBeforeCaret() override {
    if (caret == 0) return false;
    text.remove(--caret, 1);
    selectionLength = 0;
    return true;
  }
  void sendEnter() override { ++entersSent; }
  void takeFocus() override { ++focusTaken; }
};

}  // namespace testing_support

namespace testing_support {

// Characters whose strokes begin 一丨 (打 扛 扑 拉 十 土) carry a different order under
// each counter, with ties that only 序号 breaks (打 before 扑 though 扑 has the lower
// code). 永's radical is missing from the radical table, and no radical begins with 丶.
inline QString writeSmallDictionary(const TempFolder& folder) {
  return writeDictionary(
      folder,
      {
          // 序号 汉字 部首 笔画 查询: 词频 药物 姓名 诊断 地址 症状
          {10, "打", "扌", "12112", "12", 9970, 5000, 1000, 3300, 4000, 500},
          {11, "扛", "扌", "121121", "121", 9940, 10005, 1000, 3300, 5000, 600},
          {12, "扑", "扌", "12124", "24", 9950, 5000, 9000, 3300, 6000, 300},
          {13, "拉", "扌", "12141431", "41431", 9960, 6000, 1000, 3300, 7000, 100},
          {14, "十", "十", "12", "", 9990, 100, 1000, 3300, 8000, 400},
          {15, "土", "土", "121", "", 9980, 100, 1000, 10013, 9000, 200},
          {16, "玎", "王", "112112", "12", 5000, 5000, 5000, 5000, 5000, 5000},
          {17, "刊", "刂", "11222", "11222", 6000, 6000, 6000, 6000, 6000, 6000},
          {18, "一", "一", "1", "", 9997, 9997, 9997, 9997, 9997, 9997},
          {19, "的", "白", "32511354", "354", 9998, 9998, 9998, 9998, 9998, 9998},
          {20, "白", "白", "32511", "", 9723, 9723, 9723, 9723, 9723, 9723},
          {21, "永", "丶", "45534", "5534", 4000, 4000, 4000, 4000, 4000, 4000},
      },
      {
          {5, "一", "1", 143},
          {15, "刂", "22", 163},
          {43, "扌", "121", 191},
          {50, "十", "12", 150},
          {60, "干", "112", 120},
          {70, "王", "1121", 130},
          {140, "白", "32511", 108},
          {219, "土", "121", 189},
      });
}

}  // namespace testing_support
