#pragma once

class QWidget;

// What a screen reader learns from the window, without changing what the window shows.
namespace Accessibility {

// Gives every widget under `root` that has a hint and no description the hint as its description,
// and the typing field of an editable combo box its box's name and description.
void describeByHints(QWidget* root);

// Lets menu items with a hint report it as their description, as the window's controls do.
// Installed once per program; later calls do nothing.
void describeMenuItemsByHints();

// Offers a screen reader the shown tabs of the page control only; a hidden tab carries no caption
// (so that nothing of it is drawn) and would read as a nameless tab. Later calls do nothing.
void offerShownTabsOnly();

} // namespace Accessibility
