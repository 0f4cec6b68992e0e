// Building the prescription window's controls from its layout tables.
#include "prescription/PrescriptionWindow.h"
#include "platform/WebPages.h"
#include "prescription/PrescriptionSheet.h"
#include "prescription/PrescriptionWindowLayout.h"
#include "prescription/PricedGridView.h"
#include "prescription/service/CatalogSearch.h"
#include "prescription/service/Composition.h"
#include "prescription/service/PrintedPrescription.h"
#include "printing/PrescriptionPrints.h"
#include "ui/ControlEvents.h"
#include "ui/ControlTable.h"
#include "ui/Controls.h"
#include "ui/FocusAndKeys.h"
#include "ui/Fonts.h"
#include "ui/InputTarget.h"
#include "ui/SpacedText.h"

namespace prescription {

using namespace layout;

namespace {

using ui::makeButtons;
using ui::makePanel;
using ui::paint;
using ui::setTextColour;

}  // namespace

void PrescriptionWindow::buildToolbar() {
  auto* Frame1 = ui::make<QFrame>(this, "Frame1", {60, 0, 14900, 795});
  toolbar_.make(Frame1, kToolButtons, kToolButtonTop, kToolButtonHeight, ui::Look::font(ui::kSongTi, 9).fitted(),
                [this](int index) { Label18_MouseUp(index); });
  // Named as designed: the three separators are Line1, Line4 and Line5.
  const char* separatorNames[] = {"Line1", "Line4", "Line5"};
  ui::ControlArray<ui::Line> separators{QStringLiteral("ToolbarLine")};
  for (int i = 0; i < static_cast<int>(kToolbarSeparators.size()); ++i) {
    const double x = kToolbarSeparators[i];
    ui::setControlName(ui::makeLine(separators, Frame1, {i, x, 180, x, 660, kSeparatorGrey}),
                       QString::fromLatin1(separatorNames[i]));
  }
}

void PrescriptionWindow::buildLeftPanel() {
  drugSearch_.build(this, Label8,
                    {.listing = [this](const CatalogQuery& query) { return model_.listing(query); },
                     .category = [this] { return model_.category(); },
                     .categoryClicked = [this](int index) { model_.chooseCategory(index); },
                     .picked = [this](const ListEntry& entry) { pickDrug(entry); },
                     .searching = [this] { hideSuggestionLists(); }});
  // A list that cannot be read stays empty, as it always has; the next query tries again.
  history_.build(this, Label8,
                 {.search = [this] { model_.listHistory(); },
                  .today = [this] { model_.listToday(); },
                  .dayBefore = [this] { model_.listDayBefore(); },
                  .dayAfter = [this] { model_.listDayAfter(); },
                  .patientHistory = [this] { model_.listPatientHistory(); },
                  .searchTyped = [this](const QString& search) { model_.typeHistorySearch(search); },
                  .rangeTyped =
                      [this](const HistoryWindow& boxes) {
                        if (!filling_) model_.setHistoryBoxes(boxes);
                      },
                  .chosen = [this](int row) { loadFromHistory(row); },
                  .popupChosen = [this](HistoryPanel::PopupChoice choice) { answerHistoryPopup(choice); }});
}

void PrescriptionWindow::buildRightPanel() {
  makeButtons(this, {
      {"Command4", u"自动划价", {9900, 4320, 1035, 330},
       [this] { showOutcome(model_.priceSaveAndList()); }},
      {"Command14", u"发药", {10980, 4320, 1095, 330}, [this] { showOutcome(model_.dispense()); }},
      {"Command9", u"撤消发药", {12120, 4320, 1095, 330},
       [this] { showOutcome(model_.undoDispense()); }},
      {"Command13", u"自动划价帮助", {13680, 4320, 1275, 330},
       [this] { platform::openWebPage(session_.dialogs, platform::WebPage::PricingHelp); }},
  });

  ui::makeLabel(this, "Label13", {9900, 4740, 1530, 300}, {}, ui::Look().filled(kSymptomBar));
  Text11 = ui::makeCaptionedBox(
      Label8, this, {3, {11520, 4800, 900, 180}, QStringLiteral("拼音码搜索"), "Text11", {12480, 4725, 2475, 315}});
  // The symptoms' caption stands on the bar left of the search caption.
  ui::ControlArray<QLabel> Label31{QStringLiteral("Label31")};
  Text10 = ui::makeCaptionedBox<QPlainTextEdit>(
      Label31, this,
      {2, {10380, 4800}, QStringLiteral("主要症状"), "Text10", {9900, 5100, 5055, 1095}, ui::Look().coloured(Qt::white)});
  Text10->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  Label5 = ui::makeLabel(this, "Label5", {12180, 5160, 1575, 375}, {}, ui::Look().hiddenAtFirst());
  const std::vector<QPushButton*> hidden = makeButtons(this, {
      // Reached by code only.
      {"Command20", u"新建", {9960, 5160, 735, 315}, [this] { model_.startWithDefaults(); }},
      {"Command19", u"打印", {10740, 5160, 735, 315}, [this] { printShownSheet(); }},
      {"Command21", u"保存", {11460, 5160, 735, 315}, [this] { showOutcome(model_.save()); }},
  });
  for (QPushButton* b : hidden) b->hide();

  QFrame* Picture8 = makePanel(this, "Picture8", {9900, 6240, 5055, 2415}, Qt::white);
  QLabel* Label6 = ui::makeLabel(Picture8, "Label6", {1920, 30, 1050, 210}, QStringLiteral("输液注射卡"),
                                 ui::Look::font(ui::kHeiTi, 10.5));
  const ui::LineRow doubleRule[] = {{0, 540, 300, 4440, 300}, {1, 540, 360, 4440, 360}};
  ui::ControlArray<ui::Line> Line7{QStringLiteral("Line7")};
  ui::makeLines(Line7, Picture8, doubleRule);
  text9 = ui::make<QPlainTextEdit>(Picture8, "text9", {540, 480, 3915, 1755});
  text9->setFrameStyle(QFrame::NoFrame);
  text9->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  ui::setCaption(Label6, text9);

  ui::makeLabel(this, "Label3", {10320, 8790, 720, 180}, QStringLiteral("插入用法"), ui::Look().coloured(kBlue));
  Label4 = ui::makeLabel(this, "Label4", {11100, 8760, 1635, 195}, {}, ui::Look().hiddenAtFirst());
  ui::makeLabel(this, "Label21", {12900, 8760, 255, 195}, QStringLiteral("'"), ui::Look().hiddenAtFirst());
  makeButtons(this, {
      {"Command8", u"打印不干胶标签", {11940, 8700, 1575, 330}, [this] { prints().showLabelPrintMessage(); }},
      {"Command10", u"打印输液卡", {13560, 8700, 1395, 330},
       [this] { prints().printInfusionCard(infusionCard(model_.state())); }},
  });

  auto* Picture9 = ui::make<QFrame>(this, "Picture9", {9900, 9090, 5055, 375});
  ui::ControlArray<QLabel> Label50{QStringLiteral("Label50")};
  for (int i = 0; i < static_cast<int>(kRouteCaptions.size()); ++i) {
    QLabel* route =
        ui::makeLabel(Label50, Picture9, {i, {kRouteLabelLefts[i], 60}, kRouteCaptions[i], ui::Look().coloured(kBlue)});
    route->setCursor(Qt::PointingHandCursor);
    ui::onClick(route, [this, i] { model_.addRoute(i); });
  }

  // Outside the client area: the drawer sort is reached by code only.
  makeButtons(this, {{"Command12", u"按斗位排序", {16380, 5400, 1155, 330}, [this] { model_.sortByDrawer(); }}});

  // The symptom suggestions open over the symptoms box.
  List8 = ui::make<QListWidget>(this, "List8", {12480, 5040, 2475, 1140});
  paint(List8, kSymptomCyan);
  ui::spaceListRows(List8);
  List8->hide();
}

void PrescriptionWindow::buildGrid() {
  grid_ = std::make_unique<PricedGridView>(this, [this](int row, int column, const QString& text) {
    if (!filling_) model_.setGridCell(row, column, text);
  });
}

void PrescriptionWindow::setTabChain() {
  std::vector<QWidget*> chain = sheet_->fieldsInTabOrder();
  chain.insert(chain.end(), {drugSearch_.searchBox(), drugSearch_.drugList()});
  ui::setTabChain(chain);
}

void PrescriptionWindow::declareInputKinds() {
  ui::PadTarget& target = session_.padTarget;
  sheet_->declareInputKinds(target);
  ui::declareInputTarget(target, drugSearch_.searchBox(), text::InputKind::Drug);
  ui::declareInputTarget(target, text9, text::InputKind::Drug);
  ui::declareInputTarget(target, Text10, text::InputKind::Symptom);
  ui::declareInputTarget(target, Text11, text::InputKind::Symptom);
  ui::declareInputTarget(target, history_.searchBox(), text::InputKind::Name);
}

}  // namespace prescription
