#pragma once

#include "settings/PageCatalogue.h"

class QWidget;
class SettingsPage;

// Makes the settings page declared as `id`; null for a page that is not a settings page (the
// editor belongs to the window).
SettingsPage* makePage(PageId id, QWidget* parent);
