-- Schema of "综合设置.dat". Column rules are constraints; sizes are declared, not enforced.
-- Dates, numbers, prices and stock are text.

-- One row per character: its radical, strokes and the usage counter of each input kind.
CREATE TABLE "输入法编码" (
  "汉字" VARCHAR(2) COLLATE NOCASE NOT NULL CHECK("汉字" <> ''),
  "部首" VARCHAR(2) COLLATE NOCASE,
  "笔画" VARCHAR(50) COLLATE NOCASE,
  "查询" VARCHAR(50) COLLATE NOCASE,
  "词频" INTEGER DEFAULT 0,
  "序号" INTEGER PRIMARY KEY AUTOINCREMENT,
  "药物" INTEGER DEFAULT 0,
  "姓名" INTEGER DEFAULT 0,
  "诊断" INTEGER DEFAULT 0,
  "地址" INTEGER DEFAULT 0,
  "症状" INTEGER DEFAULT 0
);
CREATE UNIQUE INDEX "输入法编码_汉字" ON "输入法编码" ("汉字");

-- One row per radical.
CREATE TABLE "部首笔画" (
  "编号" INTEGER PRIMARY KEY AUTOINCREMENT,
  "部首" VARCHAR(5) COLLATE NOCASE NOT NULL CHECK("部首" <> ''),
  "笔画" VARCHAR(50) COLLATE NOCASE,
  "词频" SMALLINT DEFAULT 0
);
CREATE UNIQUE INDEX "部首笔画_部首" ON "部首笔画" ("部首");
