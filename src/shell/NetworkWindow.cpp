#include "shell/NetworkWindow.h"

#include "startup/AppState.h"
#include "startup/HostNameFile.h"
#include "text/Blank.h"
#include "text/ScrambledText.h"
#include "ui/Controls.h"

#include <QDir>

namespace shell {

NetworkWindow::NetworkWindow(ui::Session& session) : ui::Window(QString::fromLatin1(kName)), session_(session) {
  setWindowTitle(QStringLiteral("联网设置"));
  setClientSize(4920, 1860);
  Label1 = ui::make<QLabel>(this, "Label1", {360, 240, 4200, 300}, QStringLiteral("请输入主机的计算机名"));
  Text1 = ui::make<QLineEdit>(this, "Text1", {360, 660, 2760, 360});
  ui::setCaption(Label1, Text1);
  Command1 = ui::make<QPushButton>(this, "Command1", {3360, 630, 1200, 420}, QStringLiteral("确  定"));
  connect(Command1, &QPushButton::clicked, this, &NetworkWindow::Command1_Click);
}

void NetworkWindow::Form_Load() { placeOnMainWindow(); }

void NetworkWindow::Command1_Click() {
  const QString host = text::trimBlanks(Text1->text());
  if (host.isEmpty()) return;
  if (!text::ScrambleText(host)) {
    session_.dialogs.message(QStringLiteral("计算机名中有无法保存的字符，请重新输入！"));
    return;
  }
  if (!startup::writeHostNameFile(session_.state.localDataFolder, host)) {
    // The workstation stays as it was; the user may try again.
    session_.dialogs.message(QStringLiteral("联网设置未能保存：无法写入文件 %1，请检查数据文件夹后重试！")
                                 .arg(QDir::toNativeSeparators(
                                     QDir(session_.state.localDataFolder).filePath(startup::kHostNameFile))));
    return;
  }
  Hide();
  session_.dialogs.message(QStringLiteral("设置成功，请重新启动程序！"), QString());
  if (session_.endProcess) session_.endProcess();
}

}  // namespace shell
