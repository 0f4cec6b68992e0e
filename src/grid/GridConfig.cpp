#include "grid/GridConfig.h"

#include <algorithm>

namespace grid {
namespace {

constexpr auto kCentred = Qt::AlignHCenter | Qt::AlignVCenter;

// Column headers laid along the cells, in screen order: each runs from the separator
// right of the column before it (the surface's left edge for the first) to its own.
std::vector<Header> headersAlongColumns(const std::vector<Column>& columns) {
  std::vector<int> order(columns.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  std::sort(order.begin(), order.end(), [&](int a, int b) { return columns[a].left < columns[b].left; });
  std::vector<Header> headers(columns.size());
  int left = 0;
  for (int i : order) {
    const int right = columns[i].left + columns[i].width + 30;
    headers[i] = Header{columns[i].header, left, right - left, false};
    left = right;
  }
  return headers;
}

// Label windows: cells and headers from header lefts and widths, cells 60 twips in.
void addLabelColumn(GridConfig& config, const QString& caption, int headerLeft, int headerWidth, int cellLeft,
                    int cellWidth, int field, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
  Column column;
  column.header = caption;
  column.left = cellLeft;
  column.width = cellWidth;
  column.field = field;
  column.alignment = alignment;
  config.columns.push_back(column);
  config.headers.push_back(Header{caption, headerLeft, headerWidth, false});
}

GridConfig labelGrid(int rows, int viewportWidth) {
  GridConfig config;
  config.rows = rows;
  config.cells = CellKind::Label;
  config.bar = BarRule::RecordsOnly;
  config.geometry.viewportWidth = viewportWidth;
  config.geometry.surfaceWidth = viewportWidth;
  config.geometry.bandWidth = viewportWidth + 60;
  config.geometry.ruleRight = viewportWidth;
  config.geometry.cellHeight = 195;
  config.geometry.hsWidth = std::max(0, viewportWidth - 2 * 480);
  return config;
}

}  // namespace

GridConfig catalogueGrid() {
  GridConfig config;
  config.rows = kCatalogueRows;
  config.cells = CellKind::LineEdit;
  config.model = ModelKind::List;
  config.bar = BarRule::BlankTail;
  config.fieldCount = kCatalogueFields;
  struct Design {
    const char16_t* caption;
    int left, width;
  };
  const Design design[kCatalogueFields] = {
      {u"药物名称[规格/商品名]", 60, 2775}, {u"常用量", 2940, 1935}, {u"单位", 4980, 435},
      {u"用法用量", 5520, 2235},            {u"拼音", 7860, 1275},   {u"分类", 9240, 1395},
      {u"售价", 11580, 735},                {u"进价", 10740, 735},   {u"库存量", 12420, 915},
      {u"斗位", 13740, 495},                {u"ID号", 14460, 375},
  };
  for (int i = 0; i < kCatalogueFields; ++i) {
    Column column;
    column.header = QString::fromUtf16(design[i].caption);
    column.left = design[i].left;
    column.width = design[i].width;
    column.field = i;
    config.columns.push_back(column);
  }
  // The key is the row's identity: it is shown, never typed over, and a click on it
  // selects nothing.
  config.columns[kCatKey].readOnly = true;
  config.columns[kCatKey].selectsOnClick = false;
  for (int column : {kCatPrice, kCatCost, kCatStock}) config.columns[column].number = true;
  config.headers = headersAlongColumns(config.columns);
  for (int i = 0; i < kCatalogueFields; ++i) {
    config.stripedAtBuild.push_back(i);
    config.stripedOnRepaint.push_back(i);
  }
  config.selection = SelectionRule::Row;
  config.sideways = SidewaysBar::Shifts;
  Geometry& g = config.geometry;
  g.viewportLeft = 120;
  g.viewportTop = 1200;
  g.viewportWidth = 13695;
  g.surfaceWidth = 15735;
  g.bandWidth = 15135;
  g.cellHeight = 225;
  g.ruleRight = 14760;
  g.hsLeft = 480;
  g.hsWidth = 6555;
  return config;
}

GridConfig outpatientLogGrid() {
  GridConfig config = labelGrid(20, 11595);
  config.model = ModelKind::Collections;
  config.fieldCount = 6;
  addLabelColumn(config, QStringLiteral("姓名"), 0, 1155, 60, 1035, 0);
  addLabelColumn(config, QStringLiteral("性别"), 1140, 735, 1200, 615, 1);
  addLabelColumn(config, QStringLiteral("年龄"), 1860, 735, 1920, 615, 2);
  addLabelColumn(config, QStringLiteral("诊断"), 2580, 3255, 2640, 3135, 3);
  addLabelColumn(config, QStringLiteral("住址/电话"), 5820, 3255, 5880, 3135, 4);
  addLabelColumn(config, QStringLiteral("就诊日期"), 9060, 1215, 9120, 1095, 5);
  config.headers.push_back(Header{QStringLiteral("备注"), 10260, 1035, false});  // a header, no cells
  config.geometry.bandWidth = 14175;
  config.geometry.ruleRight = 11520;
  config.geometry.hsWidth = 9315;
  config.geometry.viewportColor = QColor(0xE0, 0xE0, 0xE0);
  config.geometry.surfaceColor = QColor(0xC0, 0xFF, 0xFF);  // &H00FFFFC0, blue-green-red order
  config.sideways = SidewaysBar::PlacedOnly;
  return config;
}

// The two statistics windows share one design: name, quantity, unit, amount and profit.
// The profit column lies under the vertical bar and past the viewport's edge; the
// purchase statistics have no profit, so there it keeps its header hidden, is never
// filled and the sideways bar is only placed.
enum StatisticsColumn { kStatName = 0, kStatQuantity, kStatUnit, kStatAmount, kStatProfit };

static GridConfig statisticsGrid(const QString& amountCaption, int fields) {
  GridConfig config = labelGrid(16, 5715);
  config.model = ModelKind::Collections;
  config.fieldCount = fields;
  addLabelColumn(config, QStringLiteral("药物名称"), 0, 2655, 60, 2535, 0);
  addLabelColumn(config, QStringLiteral("数量"), 2640, 1035, 2700, 915, 1);
  addLabelColumn(config, QStringLiteral("单位"), 3660, 615, 3720, 495, 2);
  addLabelColumn(config, amountCaption, 4260, 1155, 4320, 1035, 3);
  addLabelColumn(config, QStringLiteral("利润"), 5400, 1155, 5460, 1035, -1);
  for (int column : {kStatQuantity, kStatAmount, kStatProfit}) config.columns[column].number = true;
  config.sideways = SidewaysBar::PlacedOnly;
  return config;
}

GridConfig drugSalesGrid() {
  GridConfig config = statisticsGrid(QStringLiteral("销售金额"), 5);
  config.columns[kStatProfit].field = 4;  // the profit is shown here
  // The surface reaches 60 twips past the profit header and the sideways bar shifts it:
  // at the bar's end the profit cells stand clear of the vertical bar.
  Geometry& g = config.geometry;
  g.surfaceWidth = 5400 + 1155 + 60;
  g.bandWidth = g.surfaceWidth + 60;
  g.ruleRight = g.surfaceWidth;
  config.sideways = SidewaysBar::Shifts;
  return config;
}

GridConfig purchaseStatisticsGrid() {
  GridConfig config = statisticsGrid(QStringLiteral("金额"), 4);
  config.headers[kStatProfit].hidden = true;
  return config;
}

GridConfig salesDetailGrid() {
  GridConfig config = labelGrid(24, 11295);
  config.fieldCount = 10;
  struct Design {
    const char16_t* caption;
    int left, width;
    bool centred;
    bool number;
  };
  const Design design[] = {
      {u"日期", 60, 975, false, false},      {u"药品名称", 1140, 2415, false, false}, {u"数量", 3660, 675, true, true},
      {u"单位", 4440, 495, true, false},     {u"进价", 5040, 855, true, true},        {u"售价", 6000, 855, true, true},
      {u"销售金额", 7020, 735, true, true},  {u"利润", 7920, 855, true, true},        {u"患者姓名", 8880, 975, true, false},
      {u"医师", 9960, 975, true, false},
  };
  int field = 0;
  for (const Design& d : design) {
    Column column;
    column.header = QString::fromUtf16(d.caption);
    column.left = d.left;
    column.width = d.width;
    column.field = field++;
    if (d.centred) column.alignment = kCentred;
    column.number = d.number;
    config.columns.push_back(column);
  }
  // Lb12 .. Lb14 lie past the right edge and are never filled.
  for (int i = 0; i < 3; ++i) config.columns.push_back(Column{QString(), 11400 + i * 1000, 900, -1});
  config.headers = headersAlongColumns(config.columns);
  // The cells are transparent: the band alone colours the row, highlight included.
  config.selection = SelectionRule::HighlightOnly;
  return config;
}

GridConfig purchaseLedgerGrid() {
  GridConfig config = labelGrid(25, 14535);
  config.fieldCount = 13;
  config.keyField = 12;
  // Screen order; Lb(array) and the field it shows. Headers stand side by side, each
  // 15 twips over the one before, with the cell 60 twips in from its header.
  struct Design {
    const char16_t* caption;
    int width, array, field;
    bool centred;
    bool number;
  };
  const Design design[] = {
      {u"进货日期", 1095, 2, 0, false, false},  {u"药品名称[规格\\商品名]", 2535, 3, 1, false, false},
      {u"数量", 735, 5, 3, true, true},         {u"单位", 615, 4, 2, true, false},
      {u"库存", 735, 6, 4, true, true},         {u"售价", 855, 8, 6, true, true},
      {u"进价", 855, 7, 5, true, true},         {u"金额", 1035, 13, 11, true, true},
      {u"供货单位", 1755, 9, 7, false, false},  {u"生产厂家", 1815, 10, 8, false, false},
      {u"批号", 1275, 11, 9, true, false},      {u"有效期至", 1095, 12, 10, true, false},
      {u"有效期至", 1095, 14, -1, true, false},
  };
  config.columns.resize(13);
  config.headers.clear();
  int left = 0;
  for (const Design& d : design) {
    Column& column = config.columns[d.array - 2];
    column.header = QString::fromUtf16(d.caption);
    column.left = left + 60;
    column.width = d.width - 120;
    column.field = d.field;
    column.number = d.number;
    if (d.centred) column.alignment = kCentred;
    config.headers.push_back(Header{column.header, left, d.width, false});
    left += d.width - 15;
  }
  config.geometry.surfaceWidth = left + 300;
  config.geometry.bandWidth = left + 300;
  config.geometry.ruleRight = left;
  config.geometry.barExtraHeight = 20;
  // The cells are transparent: the band alone colours the row, highlight included.
  config.selection = SelectionRule::RecordKey;
  return config;
}

}  // namespace grid
