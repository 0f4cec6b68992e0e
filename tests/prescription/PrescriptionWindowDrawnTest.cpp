// The prescription window drawn at the program's fonts: herbs that never leave their doses
// on the screen or on paper, the mark of text below the prescription box, and list rows
// set apart.
#include "PrescriptionWindowFixture.h"

#include "prescription/PrescriptionWindow.h"
#include "prescription/service/HerbalLayout.h"
#include "printing/service/RecordingDevice.h"
#include "support/TextRendering.h"
#include "ui/TextBoxHelpers.h"

#include <QListView>
#include <QListWidget>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QWheelEvent>

namespace {

using prescription::PrescriptionWindow;

class PrescriptionWindowDrawnTest : public testing_support::ProgramFont,
                                    public testing_support::PrescriptionWindowFixture {
 protected:
  void SetUp() override {
    startWithOneDrug();
    login();
    form2().window()->show();
    QApplication::setActiveWindow(form2().window());
  }
  QPlainTextEdit* body() { return named<QPlainTextEdit>(form2(), "R1"); }
};

// A printer that keeps each printed text.
class KeptTexts : public printing::RecordingDevice {
 public:
  explicit KeptTexts(QStringList& texts) : texts_(texts) {}
  void drawText(const QPointF& at, const QString& text, const QFont& font) override {
    RecordingDevice::drawText(at, text, font);
    texts_.append(text);
  }

 private:
  QStringList& texts_;
};

// The displayed lines of the box as it drew them.
QStringList drawnLines(QPlainTextEdit* box) {
  box->viewport()->grab();
  QStringList lines;
  for (QTextBlock block = box->document()->firstBlock(); block.isValid(); block = block.next())
    for (int i = 0; i < block.layout()->lineCount(); ++i) {
      const QTextLine line = block.layout()->lineAt(i);
      lines << block.text().mid(line.textStart(), line.textLength());
    }
  return lines;
}

// Four herbs on a row, the fourth of 12, 13, 14 and 20 columns: no herb is parted from
// its dose on the screen nor on the printed sheet; four cells of 13 columns (herbs of 12)
// fit the row, and a wider fourth herb goes whole to the next line, inside the sheet.
TEST_F(PrescriptionWindowDrawnTest, AHerbKeepsItsDoseOnItsLine) {
  PrescriptionWindow& f = form2();
  testing_support::clickOn(f, "Command1_14");  // 中药
  const QStringList first = {"当归 10g", "川芎 10g", "白芍 10g"};
  const struct {
    QString fourth;
    bool fitsTheRow;
  } cases[] = {{"白花蛇舌 15g", true},
                   {"白花蛇舌草15g", false},
                   {"白花蛇舌草 15g", false},
                   {"白花蛇舌草草草草 15g", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fourth.toStdString());
    const QString text = prescription::herbalLayout((first + QStringList{c.fourth}).join(' ')).text;
    body()->setPlainText(text);
    const QStringList screen = drawnLines(body());
    const QStringList entries = first + QStringList{c.fourth};
    for (const QString& herb : entries)
      EXPECT_TRUE(std::any_of(screen.begin(), screen.end(), [&](const QString& l) { return l.contains(herb); }))
          << herb.toStdString() << " is split on the screen: " << screen.join('|').toStdString();
    EXPECT_EQ(screen.size(), c.fitsTheRow ? 1 : 2) << screen.join('|').toStdString();
    // The box, and so every line in it, ends inside the sheet.
    EXPECT_LE(body()->geometry().right(), named<QWidget>(f, "Picture2")->contentsRect().right());

    QStringList printed;
    f.setPrintDevices([&printed] { return std::make_unique<KeptTexts>(printed); });
    testing_support::clickOn(f, "Label18_3");  // 打印
    for (const QString& herb : entries)
      EXPECT_TRUE(std::any_of(printed.begin(), printed.end(), [&](const QString& l) { return l.contains(herb); }))
          << herb.toStdString() << " is split on paper";
  }
}

// Text longer than the prescription box shows a mark at its right edge, which takes no
// room from the text; the wheel and the keys scroll.
TEST_F(PrescriptionWindowDrawnTest, TextBelowThePrescriptionBoxIsMarkedAndScrolls) {
  QPlainTextEdit* box = body();
  QWidget* mark = named<QWidget>(form2(), "R1Scroll");
  const qreal width = ui::TextBoxWrapWidth(box);
  box->setPlainText("1. 阿莫西林胶囊 0.25g*24粒×2\n    用法：口服 每日3次\n");
  EXPECT_FALSE(mark->isVisible()) << "all of a short text shows";

  QStringList lines;
  for (int i = 1; i <= 8; ++i) lines << QString("%1. 阿莫西林胶囊 0.25g*24粒×2\n    用法：口服 每日3次\n").arg(i);
  box->setPlainText(lines.join('\n'));
  QApplication::processEvents();  // a scroll bar would take its room only now
  EXPECT_TRUE(mark->isVisible());
  EXPECT_EQ(ui::TextBoxWrapWidth(box), width) << "the mark narrows nothing";
  EXPECT_LE(mark->width(), 4);
  EXPECT_EQ(mark->geometry().right(), box->viewport()->geometry().right());

  QScrollBar* bar = box->verticalScrollBar();
  ASSERT_EQ(bar->value(), 0);
  const QPoint middle = box->viewport()->rect().center();
  QWheelEvent wheel(middle, box->viewport()->mapToGlobal(middle), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(box->viewport(), &wheel);
  EXPECT_GT(bar->value(), 0) << "the wheel scrolls";
  QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(bar->value(), 0);
  QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(bar->value(), bar->maximum()) << "the keys scroll";
}

// The history and suggestion lists: every row as tall as the font's line spacing and 2 px
// more, their texts drawn apart; the drug list keeps its taller rows.
TEST_F(PrescriptionWindowDrawnTest, ListRowsStandApart) {
  PrescriptionWindow& f = form2();
  typePrescription();
  testing_support::clickOn(f, "Command21");
  testing_support::clickOn(f, "Label18_0");  // 新建
  typePrescription();
  testing_support::clickOn(f, "Command21");
  testing_support::clickOn(f, "Command2");
  QStringList listed = historyRows();
  ASSERT_EQ(listed.size(), 2);
  QListView& history = historyList();
  const int pitch = QFontMetrics(history.font()).lineSpacing() + 2;
  for (int r = 0; r < 2; ++r) EXPECT_EQ(history.visualRect(history.model()->index(r, 0)).height(), pitch) << r;
  const QRect rows = history.visualRect(history.model()->index(0, 0)).united(history.visualRect(history.model()->index(1, 0)));
  EXPECT_EQ(testing_support::inkRows(history.viewport(), rows).size(), 2);
  EXPECT_GE(testing_support::smallestGap(testing_support::inkRows(history.viewport(), rows)), 2);

  for (const char* name : {"List3", "List4", "List5", "List8"}) {
    SCOPED_TRACE(name);
    auto* list = named<QListWidget>(f, name);
    list->clear();
    list->addItems({"国图", "图国", "国国"});
    list->show();
    list->raise();
    const int spaced = QFontMetrics(list->font()).lineSpacing() + 2;
    for (int r = 0; r < 3; ++r) EXPECT_EQ(list->visualItemRect(list->item(r)).height(), spaced) << r;
    const QRect items = list->visualItemRect(list->item(0)).united(list->visualItemRect(list->item(2)));
    const auto ink = testing_support::inkRows(list->viewport(), items);
    EXPECT_EQ(ink.size(), 3);
    EXPECT_GE(testing_support::smallestGap(ink), 2);
    list->hide();
  }
  auto* drugs = named<QListView>(f, "List1");
  ASSERT_GT(drugs->model()->rowCount(), 0);
  EXPECT_GT(drugs->visualRect(drugs->model()->index(0, 0)).height(), QFontMetrics(drugs->font()).lineSpacing() + 14);
}

}  // namespace
