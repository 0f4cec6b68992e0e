#include "platform/FontSubstitutions.h"

#include <QFont>
#include <QStringList>

namespace platform {

void installFontSubstitutions() {
  static const bool installed = [] {
    QFont::insertSubstitutions(QStringLiteral("宋体"),
                               QStringList{QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL UMing TW")});
    QFont::insertSubstitutions(QStringLiteral("黑体"), QStringList{QStringLiteral("WenQuanYi Zen Hei")});
    return true;
  }();
  (void)installed;
}

}  // namespace platform
