#pragma once

class QWidget;

namespace smscfg {

// Creates every control of the main window as a child of `form`, at its
// place, with its caption and objectName (its control name: "Text13",
// "Check2_0"...). Positions are in twips, 15 to the pixel.
void createFormControls(QWidget *form);

inline constexpr int TwipsPerPixel = 15;
inline constexpr int FormWidthTwips = 7530;
inline constexpr int FormHeightTwips = 8880;

}  // namespace smscfg
