#pragma once

#include "protocol/text_table.h"

#include <span>
#include <string>
#include <string_view>

// The window's form as data: every control with its name, kind, place, size
// and caption, so that each screen (the Qt window, the browser page) builds
// the same form from it.
namespace smscfg {

enum class ControlKind { Title, Label, Hint, Button, Text, Combo, PortCombo, Check, Option, Frame };

struct FormControl {
    ControlKind kind;
    std::u16string_view name;     // the control name: "Text13", "Command2"
    std::u16string_view caption;  // Chinese; empty for a command button: its caption is in the command table
    int left, top, width, height; // twips
    std::u16string_view rowButton = {};  // for a box: the button Enter presses
};

// Positions are in twips, 15 to the pixel.
inline constexpr int TwipsPerPixel = 15;
inline constexpr int FormWidthTwips = 7530;
inline constexpr int FormHeightTwips = 8880;

// Font sizes in points: buttons, text boxes and check boxes take the body
// size; the frame that holds the phone boxes and the level frame the small one.
inline constexpr double BodyPoints = 10.5;
inline constexpr double LabelPoints = 12;
inline constexpr double TitlePoints = 15;
inline constexpr double SmallPoints = 9;  // lists, option buttons, the hint, the phone boxes

// Every control of the form but the phone boxes, row by row from the top
// (also the tab order); a frame comes before the controls it holds.
std::span<const FormControl> formControls();

// What a control shows in the language chosen: its caption, or its
// command's button caption. The catalogue key: FormCaption/<control name>.
std::u16string captionOf(const FormControl &control);

// Every caption of the form (the phone boxes' and the command buttons'
// included), for the catalogues.
std::vector<text::CatalogueEntry> formCatalogue();

// The frame whose controls take the small size ("Frame1", "Frame3").
bool isSmallFrame(std::u16string_view name);

// The frame that holds the sixteen phone boxes.
inline constexpr std::u16string_view PhoneFrame = u"Frame1";

// Phone box k (0..15), "电话01".."电话16", named by phoneCheckName(k + 1):
// four rows of four inside the phone frame, in twips.
FormControl phoneBox(int k);

// The button that Enter in a box presses: the button of the box's row.
// Empty for a control that is not a box.
std::u16string_view rowButtonOf(std::u16string_view control);

}  // namespace smscfg
