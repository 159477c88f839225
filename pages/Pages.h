#pragma once

#include "config/ConfigText.h"
#include "config/FileFormat.h"
#include "config/Opening.h"
#include "settings/PageCatalogue.h"

#include <QList>

class QWidget;
class SettingsPage;

// Makes the settings page declared as `id`; null for a page that is not a settings page (the
// editor belongs to the window).
SettingsPage* makePage(PageId id, QWidget* parent);

// The settings pages of a window together: the document they write, in its order.
class SettingsPages {
public:
    void append(SettingsPage* page) { m_pages.append(page); }

    // A new text: headers, sub-headers and separators (comment lines when `slashes`) in their
    // places, each page's part at its place, the custom lines at the end.
    QString newText(bool slashes) const;
    // The setting lines the pages write now, in the document's order; the custom lines left out.
    QList<Opening::Line> settingLines() const;
    // Every row at its start value, then what `opening` sets taken in, counted in bytes of a file
    // of `format`.
    void take(Opening& opening, const FileFormat& format);
    // Every row at its start value, for a new document.
    void reset();

private:
    void write(ConfigText& text, bool customLines) const;

    QList<SettingsPage*> m_pages;
};
