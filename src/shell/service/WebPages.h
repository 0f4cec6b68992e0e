// The program's web pages: help, home and download. Their addresses are held as
// scrambled number lists and turned into text just before a page is opened.
#pragma once

#include <QUrl>

namespace shell {

enum class WebPage { Help, Home, Download };

// The address of a page; an empty QUrl if its number list cannot be read.
QUrl webPageAddress(WebPage page);

}  // namespace shell
