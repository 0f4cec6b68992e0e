-- Schema of "数据库.dat". Column rules are constraints; sizes are declared, not enforced.
-- Dates, numbers, prices and stock are text.

-- One saved prescription per row.
CREATE TABLE "档案" (
  "序号" VARCHAR(50) COLLATE NOCASE CHECK("序号" <> ''),
  "0" VARCHAR(50) COLLATE NOCASE NOT NULL CHECK("0" <> ''),
  "1" VARCHAR(50) COLLATE NOCASE,
  "2" VARCHAR(50) COLLATE NOCASE,
  "3" VARCHAR(10) COLLATE NOCASE,
  "4" VARCHAR(50) COLLATE NOCASE,
  "5" DATE_TEXT COLLATE NOCASE,
  "6" VARCHAR(50) COLLATE NOCASE,
  "7" VARCHAR(50) COLLATE NOCASE,
  "8" VARCHAR(50) COLLATE NOCASE,
  "9" VARCHAR(50) COLLATE NOCASE,
  "10" VARCHAR(50) COLLATE NOCASE,
  "11" VARCHAR(50) COLLATE NOCASE,
  "12" VARCHAR(50) COLLATE NOCASE,
  "13" VARCHAR(50) COLLATE NOCASE,
  "14" VARCHAR(50) COLLATE NOCASE,
  "15" VARCHAR(50) COLLATE NOCASE,
  "16" VARCHAR(50) COLLATE NOCASE,
  "17" VARCHAR(50) COLLATE NOCASE,
  "18" VARCHAR(50) COLLATE NOCASE,
  "19" VARCHAR(50) COLLATE NOCASE,
  "20" VARCHAR(50) COLLATE NOCASE,
  "21" VARCHAR(50) COLLATE NOCASE,
  "22" VARCHAR(50) COLLATE NOCASE,
  "T1" TEXT COLLATE NOCASE,
  "T2" TEXT COLLATE NOCASE,
  "T3" TEXT COLLATE NOCASE,
  "23" VARCHAR(50) COLLATE NOCASE,
  "24" VARCHAR(50) COLLATE NOCASE,
  "25" VARCHAR(50) COLLATE NOCASE,
  "26" VARCHAR(50) COLLATE NOCASE,
  "27" VARCHAR(50) COLLATE NOCASE,
  "28" VARCHAR(50) COLLATE NOCASE,
  "29" VARCHAR(50) COLLATE NOCASE,
  "30" VARCHAR(50) COLLATE NOCASE,
  "31" VARCHAR(50) COLLATE NOCASE,
  "32" VARCHAR(50) COLLATE NOCASE,
  "33" VARCHAR(50) COLLATE NOCASE,
  "34" VARCHAR(50) COLLATE NOCASE,
  "35" VARCHAR(50) COLLATE NOCASE,
  "36" VARCHAR(50) COLLATE NOCASE,
  "37" VARCHAR(50) COLLATE NOCASE,
  "38" VARCHAR(50) COLLATE NOCASE,
  "39" VARCHAR(50) COLLATE NOCASE,
  "40" VARCHAR(50) COLLATE NOCASE,
  "T4" TEXT COLLATE NOCASE,
  "T5" TEXT COLLATE NOCASE,
  "类别" VARCHAR(5) COLLATE NOCASE,
  "发药" VARCHAR(20) COLLATE NOCASE,
  "计价" TEXT COLLATE NOCASE,
  "病历" TEXT COLLATE NOCASE,
  "剂数" VARCHAR(5) COLLATE NOCASE
);
CREATE UNIQUE INDEX "档案_ID号" ON "档案" ("序号");

-- One row per patient.
CREATE TABLE "患者信息" (
  "序号" VARCHAR(50) COLLATE NOCASE,
  "姓名" VARCHAR(20) COLLATE NOCASE,
  "性别" VARCHAR(5) COLLATE NOCASE,
  "年龄" VARCHAR(12) COLLATE NOCASE,
  "医疗证号" VARCHAR(50) COLLATE NOCASE,
  "电话" VARCHAR(20) COLLATE NOCASE,
  "住址" VARCHAR(50) COLLATE NOCASE,
  "备用1" VARCHAR(50) COLLATE NOCASE,
  "备用2" VARCHAR(50) COLLATE NOCASE,
  "费别" VARCHAR(10) COLLATE NOCASE,
  "诊断" VARCHAR(50) COLLATE NOCASE,
  "过敏史" VARCHAR(20) COLLATE NOCASE
);

-- The catalogue of drugs, fee items and usage phrases. 斗位 holds the stock.
CREATE TABLE "商品" (
  "ID号" VARCHAR(50) COLLATE NOCASE NOT NULL CHECK("ID号" <> ''),
  "查询" VARCHAR(200) COLLATE NOCASE,
  "用法" VARCHAR(50) COLLATE NOCASE,
  "名称" VARCHAR(100) COLLATE NOCASE NOT NULL,
  "拼音" VARCHAR(50) COLLATE NOCASE CHECK("拼音" <> ''),
  "单位" VARCHAR(10) COLLATE NOCASE,
  "常用量" VARCHAR(50) COLLATE NOCASE,
  "单价" VARCHAR(50) COLLATE NOCASE,
  "备用1" VARCHAR(50) COLLATE NOCASE,
  "备用2" VARCHAR(50) COLLATE NOCASE,
  "备用3" VARCHAR(50) COLLATE NOCASE,
  "分类" VARCHAR(50) COLLATE NOCASE,
  "斗位" VARCHAR(10) COLLATE NOCASE
);
CREATE UNIQUE INDEX "商品_ID号" ON "商品" ("ID号");
CREATE INDEX "商品_名称" ON "商品" ("名称");

-- Phrase lists: 拼音 names the list, 序号 holds the phrase, 名称 its key.
CREATE TABLE "诊断" (
  "名称" VARCHAR(50) COLLATE NOCASE CHECK("名称" <> ''),
  "拼音" VARCHAR(50) COLLATE NOCASE CHECK("拼音" <> ''),
  "序号" VARCHAR(50) COLLATE NOCASE NOT NULL CHECK("序号" <> '')
);
CREATE UNIQUE INDEX "诊断_名称" ON "诊断" ("名称");
CREATE UNIQUE INDEX "诊断_序号" ON "诊断" ("序号");

-- The common symptoms.
CREATE TABLE "地址" (
  "名称" VARCHAR(50) COLLATE NOCASE CHECK("名称" <> ''),
  "拼音" VARCHAR(50) COLLATE NOCASE CHECK("拼音" <> ''),
  "序号" VARCHAR(50) COLLATE NOCASE NOT NULL CHECK("序号" <> '')
);
CREATE UNIQUE INDEX "地址_序号" ON "地址" ("序号");

-- Personal sets, herbal formulas, record phrases and record templates.
CREATE TABLE "个人模板" (
  "序号" VARCHAR(50) COLLATE NOCASE CHECK("序号" <> ''),
  "名称" VARCHAR(50) COLLATE NOCASE CHECK("名称" <> ''),
  "内容" TEXT COLLATE NOCASE,
  "拼音" VARCHAR(50) COLLATE NOCASE,
  "查询" VARCHAR(200) COLLATE NOCASE,
  "分类" VARCHAR(10) COLLATE NOCASE,
  "排序" VARCHAR(10) COLLATE NOCASE
);

-- The one settings row.
CREATE TABLE "设置" (
  "密码" VARCHAR(20) COLLATE NOCASE,
  "单位名称" VARCHAR(50) COLLATE NOCASE,
  "医师" VARCHAR(50) COLLATE NOCASE,
  "科别" VARCHAR(50) COLLATE NOCASE,
  "发药人" VARCHAR(50) COLLATE NOCASE,
  "备用1" VARCHAR(50) COLLATE NOCASE,
  "备用2" VARCHAR(50) COLLATE NOCASE,
  "备用3" VARCHAR(50) COLLATE NOCASE,
  "左边距" VARCHAR(10) COLLATE NOCASE,
  "上边距" VARCHAR(10) COLLATE NOCASE,
  "自动打印" VARCHAR(5) COLLATE NOCASE,
  "默认打印机" VARCHAR(50) COLLATE NOCASE,
  "处方打印机" VARCHAR(50) COLLATE NOCASE,
  "左边距1" VARCHAR(10) COLLATE NOCASE,
  "上边距1" VARCHAR(10) COLLATE NOCASE,
  "左边距2" VARCHAR(10) COLLATE NOCASE,
  "上边距2" VARCHAR(10) COLLATE NOCASE,
  "打印机2" VARCHAR(50) COLLATE NOCASE,
  "打印机3" VARCHAR(50) COLLATE NOCASE,
  "费别" VARCHAR(10) COLLATE NOCASE,
  "处方字体" VARCHAR(20) COLLATE NOCASE,
  "处方字号" VARCHAR(5) COLLATE NOCASE,
  "日志上边距" VARCHAR(5) COLLATE NOCASE,
  "日志左边距" VARCHAR(5) COLLATE NOCASE
);

-- Ships empty; no window uses it.
CREATE TABLE "用户" (
  "工号" VARCHAR(10) COLLATE NOCASE,
  "姓名" VARCHAR(20) COLLATE NOCASE NOT NULL CHECK("姓名" <> ''),
  "密码" VARCHAR(20) COLLATE NOCASE,
  "科别" VARCHAR(10) COLLATE NOCASE,
  "备用" VARCHAR(50) COLLATE NOCASE
);
CREATE UNIQUE INDEX "用户_姓名" ON "用户" ("姓名");

INSERT INTO "设置" ("密码", "单位名称", "医师", "科别", "发药人", "备用1", "备用2", "备用3",
  "左边距", "上边距", "自动打印", "默认打印机", "处方打印机", "左边距1", "上边距1", "左边距2", "上边距2",
  "打印机2", "打印机3", "费别", "处方字体", "处方字号", "日志上边距", "日志左边距")
VALUES ('691' || char(10), '示例卫生所', '赵立新', '内儿科', '钱晓梅', NULL, '', NULL,
  '10', '20', '0', NULL, NULL, '10', '10', '10', '10',
  NULL, NULL, '自费', '宋体', '12', '20', '10');

-- Date-range queries on prescriptions, history searches by name or its initials, and the
-- history read page by page, newest number first.
CREATE INDEX "档案_就诊日期" ON "档案" ("5");
CREATE INDEX "档案_姓名日期" ON "档案" ("0", "5");
CREATE INDEX "档案_拼音日期" ON "档案" ("40", "5");
CREATE INDEX "档案_序号筛选" ON "档案" ("序号", "5", "0", "40");

-- Name-ordered catalogue lists, in the name collation that every connection registers.
CREATE INDEX "商品_名称序" ON "商品" ("名称" COLLATE ZHNAME);
CREATE INDEX "商品_分类名称序" ON "商品" ("分类", "名称" COLLATE ZHNAME);

-- Look-ups by name, blind to trailing blanks and letter case (pricing, dispensing).
CREATE INDEX "商品_名称比对" ON "商品" (rtrim("名称", ' ') COLLATE NOCASE);

-- The patient look-up scans the register's keys here instead of its rows.
CREATE INDEX "患者信息_序号" ON "患者信息" ("序号");
-- The catalogue window's list in its order (name, category, stored order), the category
-- tested in the index. The search key stays out: the closing rebuild rewrites every key.
CREATE INDEX "商品_目录序" ON "商品" ("名称" COLLATE ZHNAME, "分类");
-- The workload report sums the fee column over a date range from the index alone.
CREATE INDEX "档案_日期金额" ON "档案" ("5", "16");

-- The catalogue's version, raised by these triggers whenever a row is added or removed or
-- a column the drug list shows or searches changes: the drug list keeps its rows while it
-- stands still.
CREATE TABLE "目录版本" ("版本" INTEGER NOT NULL);
INSERT INTO "目录版本" ("版本") VALUES (0);
CREATE TRIGGER "商品_添加改版本" AFTER INSERT ON "商品"
  BEGIN UPDATE "目录版本" SET "版本" = "版本" + 1; END;
CREATE TRIGGER "商品_删除改版本" AFTER DELETE ON "商品"
  BEGIN UPDATE "目录版本" SET "版本" = "版本" + 1; END;
CREATE TRIGGER "商品_修改改版本"
  AFTER UPDATE OF "ID号", "名称", "常用量", "单位", "用法", "查询", "分类" ON "商品"
  WHEN OLD."ID号" IS NOT NEW."ID号" OR OLD."名称" IS NOT NEW."名称" OR OLD."常用量" IS NOT NEW."常用量"
    OR OLD."单位" IS NOT NEW."单位" OR OLD."用法" IS NOT NEW."用法" OR OLD."查询" IS NOT NEW."查询"
    OR OLD."分类" IS NOT NEW."分类"
  BEGIN UPDATE "目录版本" SET "版本" = "版本" + 1; END;

-- The catalogue's change log: one entry, numbered in order, per row those writes change,
-- so that the drug list reads only the rows changed since its copy.
CREATE TABLE "目录变更" ("序" INTEGER PRIMARY KEY, "行" INTEGER NOT NULL);
CREATE TRIGGER "商品_添加记变更" AFTER INSERT ON "商品"
  BEGIN INSERT INTO "目录变更" ("行") VALUES (NEW.rowid); END;
CREATE TRIGGER "商品_删除记变更" AFTER DELETE ON "商品"
  BEGIN INSERT INTO "目录变更" ("行") VALUES (OLD.rowid); END;
CREATE TRIGGER "商品_修改记变更"
  AFTER UPDATE OF "ID号", "名称", "常用量", "单位", "用法", "查询", "分类" ON "商品"
  WHEN OLD."ID号" IS NOT NEW."ID号" OR OLD."名称" IS NOT NEW."名称" OR OLD."常用量" IS NOT NEW."常用量"
    OR OLD."单位" IS NOT NEW."单位" OR OLD."用法" IS NOT NEW."用法" OR OLD."查询" IS NOT NEW."查询"
    OR OLD."分类" IS NOT NEW."分类"
  BEGIN INSERT INTO "目录变更" ("行") VALUES (NEW.rowid); END;
