#include "platform/WebPages.h"

#include "text/ScrambledText.h"

namespace platform {
namespace {

// The same lists serve the main window's menu, the about window and the prescription
// window's toolbar, so every "操作帮助" opens one page.
const char* const kHelpPage =
    "219,199,199,195,192,137,156,156,199,210,197,220,193,218,221,157,214,203,210,222,195,223,214,156,219,214,223,195";
// The help page on automatic pricing, opened by the prescription window's "自动划价帮助".
const char* const kPricingHelpPage =
    "219,199,199,195,192,137,156,156,199,210,197,220,193,218,221,157,214,203,210,222,195,223,214,156,195,193,218,208,"
    "218,221,212,158,219,214,223,195";
const char* const kHomePage =
    "219,199,199,195,192,137,156,156,199,210,197,220,193,218,221,157,214,203,210,222,195,223,214,156,219,220,222,214";
const char* const kDownloadPage =
    "219,199,199,195,192,137,156,156,199,210,197,220,193,218,221,157,214,203,210,222,195,223,214,156,215,220,196,221,"
    "223,220,210,215";

}  // namespace

QUrl webPageAddress(WebPage page) {
  const char* numbers = kDownloadPage;
  switch (page) {
    case WebPage::Help: numbers = kHelpPage; break;
    case WebPage::PricingHelp: numbers = kPricingHelpPage; break;
    case WebPage::Home: numbers = kHomePage; break;
    case WebPage::Download: break;
  }
  const std::optional<QString> address = text::UnscrambleText(QString::fromLatin1(numbers));
  return address ? QUrl(*address) : QUrl();
}

void openWebPage(Dialogs& dialogs, WebPage page) {
  const QUrl address = webPageAddress(page);
  if (!dialogs.openUrl(address))
    dialogs.message(QStringLiteral("无法打开网页 %1，请检查是否已安装浏览器。").arg(address.toString()));
}

}  // namespace platform
