#pragma once

class QWidget;
class QString;

// The maker's web pages, handed to the desktop's browser.
namespace WebPages {

// Opens the page at `path` of the maker's site ("" for the site itself, "/forums/"); when no
// browser can show it, a box gives its address, to be copied into one.
void open(QWidget* parent, const QString& path);

} // namespace WebPages
