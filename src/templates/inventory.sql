-- Schema of "库存管理.dat". Column rules are constraints; sizes are declared, not enforced.
-- Dates, numbers, prices and stock are text.

-- One row per goods receipt.
CREATE TABLE "进货管理" (
  "日期" DATE_TEXT COLLATE NOCASE,
  "品名" VARCHAR(100) COLLATE NOCASE NOT NULL CHECK("品名" <> ''),
  "库存" VARCHAR(10) COLLATE NOCASE,
  "单位" VARCHAR(50) COLLATE NOCASE,
  "序号" VARCHAR(50) COLLATE NOCASE,
  "数量" VARCHAR(10) COLLATE NOCASE,
  "进价" VARCHAR(10) COLLATE NOCASE,
  "售价" VARCHAR(10) COLLATE NOCASE,
  "供货单位" VARCHAR(50) COLLATE NOCASE,
  "生产厂家" VARCHAR(50) COLLATE NOCASE,
  "批号" VARCHAR(20) COLLATE NOCASE,
  "有效期至" VARCHAR(20) COLLATE NOCASE,
  "备注" VARCHAR(200) COLLATE NOCASE,
  "备用" VARCHAR(200) COLLATE NOCASE,
  "分类" VARCHAR(10) COLLATE NOCASE
);

-- The last receipt's details per drug, offered for the next receipt.
CREATE TABLE "进货模板" (
  "名称" VARCHAR(50) COLLATE NOCASE NOT NULL CHECK("名称" <> ''),
  "供货单位" VARCHAR(50) COLLATE NOCASE,
  "生产厂家" VARCHAR(50) COLLATE NOCASE,
  "批号" VARCHAR(20) COLLATE NOCASE,
  "有效期至" VARCHAR(20) COLLATE NOCASE,
  "备注" VARCHAR(200) COLLATE NOCASE,
  "备用" VARCHAR(200) COLLATE NOCASE
);
CREATE UNIQUE INDEX "进货模板_名称" ON "进货模板" ("名称");

-- The 24 items of the overlay-print template, item 0 first.
CREATE TABLE "套打设置" (
  "名称" VARCHAR(5) COLLATE NOCASE,
  "左边距" VARCHAR(5) COLLATE NOCASE,
  "上边距" VARCHAR(5) COLLATE NOCASE
);

-- One row per dispensed prescription line.
CREATE TABLE "销售管理" (
  "ID号" VARCHAR(50) COLLATE NOCASE NOT NULL CHECK("ID号" <> ''),
  "名称" VARCHAR(50) COLLATE NOCASE NOT NULL CHECK("名称" <> ''),
  "数量" VARCHAR(10) COLLATE NOCASE,
  "单位" VARCHAR(5) COLLATE NOCASE,
  "单价" VARCHAR(10) COLLATE NOCASE,
  "金额" VARCHAR(10) COLLATE NOCASE,
  "进价" VARCHAR(10) COLLATE NOCASE,
  "分类" VARCHAR(10) COLLATE NOCASE,
  "备用1" VARCHAR(200) COLLATE NOCASE,
  "备用2" VARCHAR(200) COLLATE NOCASE,
  "日期" DATE_TEXT COLLATE NOCASE,
  "医师" VARCHAR(20) COLLATE NOCASE,
  "利润" VARCHAR(10) COLLATE NOCASE,
  "患者" VARCHAR(20) COLLATE NOCASE
);
CREATE INDEX "销售管理_ID号" ON "销售管理" ("ID号");

-- Date-range queries on sales and receipts.
CREATE INDEX "销售管理_日期" ON "销售管理" ("日期");
CREATE INDEX "进货管理_分类日期" ON "进货管理" ("分类", "日期");
-- Drug sales statistics read every column they sum from this index.
CREATE INDEX "销售管理_日期统计" ON "销售管理" ("日期", "分类", "名称", "单位", "数量", "金额", "利润");
-- The sales-detail list counts its lines up to the cap from this index alone.
CREATE INDEX "销售管理_日期明细" ON "销售管理" ("日期", "分类", "名称", "患者", "医师");

INSERT INTO "套打设置" ("名称", "左边距", "上边距") VALUES
  ('1', '10', '20'),
  ('1', '60', '20'),
  ('1', '80', '20'),
  ('1', '120', '20'),
  ('1', '10', '30'),
  ('0', '80', '30'),
  ('1', '10', '40'),
  ('1', '10', '170'),
  ('1', '60', '170'),
  ('1', '10', '180'),
  ('1', '120', '170'),
  ('0', '0', '0'),
  ('0', '90', '0'),
  ('1', '90', '40'),
  ('0', '50', '0'),
  ('1', '60', '180'),
  ('1', '120', '180'),
  ('1', '10', '160'),
  ('1', '20', '60'),
  ('1', '80', '30'),
  ('1', '95', '30'),
  ('1', '105', '30'),
  ('0', '70', '20'),
  ('0', '60', '20');
