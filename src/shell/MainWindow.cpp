#include "shell/MainWindow.h"

#include "links/TemplatesLink.h"
#include "links/WordListLink.h"
#include "prescription/PrescriptionWindow.h"
#include "prescription/service/HerbalUsages.h"
#include "catalogue/service/SearchKeyRebuild.h"
#include "platform/WebPages.h"
#include "startup/Main.h"
#include "ui/Controls.h"
#include "ui/Guard.h"
#include "ui/Twips.h"

#include <QResizeEvent>
#include <QWindowStateChangeEvent>
#include <QScreen>
#include <QVBoxLayout>

#include <functional>

namespace shell {

using prescription::PrescriptionWindow;

struct MainWindow::MenuItem {
  QString parent;  // empty: on the menu bar
  QString name;
  QString caption;
  std::function<void(MainWindow&)> choose;  // none for an entry that opens a submenu
  bool shown = true;
};

// The menu bar in its order. No item has a shortcut or an access key: a letter in
// parentheses is plain text.
const QList<MainWindow::MenuItem>& MainWindow::menuItems() {
  const auto open = [](const char* window) {
    return [name = QString::fromLatin1(window)](MainWindow& f) { f.openWindow(name); };
  };
  const auto page = [](platform::WebPage p) { return [p](MainWindow& f) { platform::openWebPage(f.session_.dialogs, p); }; };
  static const QList<MenuItem> items = {
      {"", "综合设置", "综合设置(S)", open("Form8")},
      {"", "药物维护", "药物维护(Y)", open("Form3")},
      {"", "出入库管理", "出入库管理(G)", nullptr},
      {"出入库管理", "进药管理", "进货明细管理", open("Form17")},
      {"出入库管理", "进货统计", "进货统计", open("Form16")},
      {"出入库管理", "销售明细管理", "销售明细管理", open("Form15")},
      {"出入库管理", "用药统计", "销售统计", open("Form13")},
      {"", "模板维护", "模板维护(M)", nullptr},
      // The caption is the designed one, characters in this order.
      {"模板维护", "个人模板", "人个组套\\中药方剂", open("Form4")},
      {"模板维护", "病历模板", "病历模板维护", [](MainWindow& f) { f.openRecordTemplates(); }},
      {"模板维护", "添加常用地址", "添加常用地址",
       [](MainWindow& f) { f.openWordList(QStringLiteral("常用地址维护"), QStringLiteral("地    址")); }},
      {"模板维护", "诊断名称", "添加常用诊断",
       [](MainWindow& f) { f.openWordList(QStringLiteral("诊断名称维护"), QStringLiteral("诊断名称")); }},
      {"模板维护", "添加常用症状", "添加常用症状", open("Form6")},
      {"模板维护", "添加中药用法", "添加中药用法",
       [](MainWindow& f) { f.openWordList(QStringLiteral("添加中药用法"), QStringLiteral("中药用法")); }},
      // The prescription window comes forward with what it holds: no closing, no reload.
      {"", "开具处方", "处方录入(C)", [](MainWindow& f) { f.session_.windows.bringForward(PrescriptionWindow::kName); }},
      {"", "套打设置", "套打设置(P)", open("Form19")},
      {"", "联网设置", "联网设置(L)", nullptr},
      {"联网设置", "主机设置", "主机设置", [](MainWindow&) {}, false},
      {"联网设置", "分机设置", "分机设置", open("Form20")},
      {"", "门诊病历", "门诊病历(B)", open("Form14")},
      {"", "业务统计", "业务统计(T)", open("Form12")},
      {"", "日志报表", "门诊日志(Z)", open("Form7")},
      {"", "笔画输入法", "智能笔画输入法(S)", open("Form21")},
      {"", "帮助", "操作帮助(H)", nullptr},
      {"帮助", "操作帮助", "操作帮助", page(platform::WebPage::Help)},
      {"帮助", "访问作者主页", "访问作者主页", page(platform::WebPage::Home)},
      {"帮助", "版本信息", "版本信息", open("Form10")},
  };
  return items;
}

MainWindow::MainWindow(ui::Session& session) : ui::Window(QString::fromLatin1(kName)), session_(session) {
  setWindowTitle(kCaption);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  // The layout sizes both to the window.
  menuBar_ = ui::make<QMenuBar>(this, "menuBar", {});
  menuBar_->setNativeMenuBar(false);
  layout->setMenuBar(menuBar_);
  clientArea_ = ui::make<QMdiArea>(this, "clientArea", {});
  layout->addWidget(clientArea_);
  buildMenu();
  resize(ui::pxSize(kMinimumWidth, kMinimumHeight));
  session_.windows.setMainWindow(this, clientArea_);
}

void MainWindow::buildMenu() {
  QHash<QString, QMenu*> submenus;
  for (const MenuItem& item : menuItems()) {
    QAction* action = nullptr;
    if (!item.choose) {
      QMenu* menu = menuBar_->addMenu(item.caption);
      ui::setControlName(menu, item.name);
      submenus.insert(item.name, menu);
      action = menu->menuAction();
    } else if (item.parent.isEmpty()) {
      action = menuBar_->addAction(item.caption);
    } else {
      action = submenus.value(item.parent)->addAction(item.caption);
    }
    action->setObjectName(item.name);
    action->setVisible(item.shown);
    action->setEnabled(item.shown);
    if (item.choose) connect(action, &QAction::triggered, this, [this, name = item.name] { choose(name); });
  }
}

void MainWindow::choose(const QString& itemName) {
  for (const MenuItem& item : menuItems()) {
    if (item.name != itemName || !item.choose) continue;
    // A window that fails to open is reported; the program goes on.
    ui::runGuarded(session_.dialogs, QStringLiteral("无法完成“%1”").arg(item.caption), [&] { item.choose(*this); });
    return;
  }
}

void MainWindow::openWindow(const QString& name) { session_.windows.openFresh(name); }

void MainWindow::openWordList(const QString& caption, const QString& listName) {
  // The word-list window is set up on its fresh load, before it shows.
  session_.windows.unload(QString::fromLatin1(links::WordListLink::kName));
  session_.windows.get<links::WordListLink>().showPhraseList(caption, listName);
  session_.windows.bringForward(QString::fromLatin1(links::WordListLink::kName));
}

void MainWindow::openRecordTemplates() {
  session_.windows.unload(QString::fromLatin1(links::TemplatesLink::kName));
  session_.windows.get<links::TemplatesLink>().chooseCategory(links::TemplatesLink::kRecordPhrases);
  session_.windows.bringForward(QString::fromLatin1(links::TemplatesLink::kName));
}

void MainWindow::Form_Load() {
  clientArea_->setBackground(QColor(144, 163, 178));
  // Maximised; the screen's working area also where no window manager maximises it.
  if (const QScreen* s = screen()) setGeometry(s->availableGeometry());
  setWindowState(windowState() | Qt::WindowMaximized);
  loaded_ = true;

  // Referring to the prescription window loads it as the first child window; it takes
  // this workstation's bell switch from the settings.
  auto& form2 = session_.windows.get<PrescriptionWindow>();

  // The herbal-usage list never starts empty; the drop-down takes its phrases after
  // whatever it holds, also right after they were first stored.
  ui::runGuarded(session_.dialogs, QStringLiteral("中药用法无法读取"),
                 [&] { form2.addHerbalUsages(prescription::seedHerbalUsages(session_.state.mainDbPath)); });
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  ui::Window::resizeEvent(event);
  MDIForm_Resize();
}

void MainWindow::changeEvent(QEvent* event) {
  ui::Window::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange) return;
  const Qt::WindowStates before = static_cast<QWindowStateChangeEvent*>(event)->oldState();
  if ((before & Qt::WindowMaximized) && isNormalState()) placeRestored();
  MDIForm_Resize();
}

bool MainWindow::isNormalState() const {
  return !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

void MainWindow::placeRestored() {
  const QScreen* s = screen();
  if (!loaded_ || closing_ || !s) return;
  const QSize frameExtra = frameGeometry().size() - size();
  resize(ui::pxSize(kMinimumWidth, kMinimumHeight) - frameExtra);
  move(s->availableGeometry().topLeft());
}

void MainWindow::MDIForm_Resize() {
  if (!loaded_ || closing_ || resizing_ || !isVisible()) return;
  resizing_ = true;
  // The minimum outer size holds in the normal window state only.
  if (isNormalState()) {
    const QSize frameExtra = frameGeometry().size() - size();
    const int width = std::max(Width(), kMinimumWidth);
    const int height = std::max(Height(), kMinimumHeight);
    if (width != Width() || height != Height())
      resize(ui::pxSize(width, height) - frameExtra);
    keepTitleBarOnScreen();
  }
  // Keep the prescription window centred; a closed one comes back afresh.
  try {
    auto& form2 = session_.windows.get<PrescriptionWindow>();
    form2.Move((Width() - form2.Width()) / 2.0 - 150, (Height() - form2.Height()) / 2.0 - 450);
  } catch (const std::exception&) {
    // Nothing to centre.
  }
  resizing_ = false;
}

void MainWindow::keepTitleBarOnScreen() {
  const QScreen* s = screen();
  if (!s) return;
  const QRect work = s->availableGeometry();
  const QRect outer = frameGeometry();
  if (outer.top() < work.top()) move(outer.left(), work.top());
}

void MainWindow::Form_Unload() {
  closing_ = true;
  // Child windows close first, each with its own closing handling.
  clientArea_->closeAllSubWindows();
  for (const char* name : {PrescriptionWindow::kName, kName, "Form8", "Form21"}) {
    if (ui::Window* window = session_.windows.find(QString::fromLatin1(name))) window->Hide();
  }
  // Keys stored without their final "$" (by an older catalogue import, say) are rebuilt
  // once, while nothing is on the screen. What could not be rebuilt (a locked file, no
  // stroke table) keeps its old key and is tried again at the next close.
  catalogue::rebuildSearchKeys(session_.state.mainDbPath, session_.services.strokes());
  startup::makeIndexesLeftForTheClose(session_.state);
  if (session_.endProcess) session_.endProcess();
}

}  // namespace shell
