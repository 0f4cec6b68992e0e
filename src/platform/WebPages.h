// The program's web pages: help, help on automatic pricing, home and download. Their addresses are held as
// scrambled number lists and turned into text just before a page is opened.
#pragma once

#include "platform/Dialogs.h"

#include <QUrl>

namespace platform {

enum class WebPage { Help, PricingHelp, Home, Download };

// The address of a page; an empty QUrl if its number list cannot be read.
QUrl webPageAddress(WebPage page);

// Opens the page in the default browser. When no browser takes it, one "提示" message
// names the address, so the user can open it by hand.
void openWebPage(Dialogs& dialogs, WebPage page);

}  // namespace platform
