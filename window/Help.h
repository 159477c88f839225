#pragma once

class QWidget;
class QString;

// Help > About Ledgerwick, and the maker's web pages handed to the desktop's browser.
namespace Help {

// Opens the page at `path` of the maker's site ("" for the site itself, "/forums/"); when no
// browser can show it, a box gives its address, to be copied into one.
void openWebPage(QWidget* parent, const QString& path);

// The version, the licence and what the program does.
void about(QWidget* parent);

} // namespace Help
