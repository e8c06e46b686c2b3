// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace tarnivo::tk {

// Positions and sizes are twips: 1/1440 inch, 15 to a device-independent pixel.
inline constexpr float TwipsPerPixel = 15.0F;

// 0x00BBGGRR, or a system colour when the top bit is set (index in the low byte).
using Colour = std::uint32_t;

namespace colour {
inline constexpr Colour system(std::uint8_t index) { return 0x80000000U | index; }
inline constexpr Colour WindowBackground = system(5);
inline constexpr Colour WindowText = system(8);
inline constexpr Colour ButtonFace = system(15);
inline constexpr Colour ButtonText = system(18);
inline constexpr Colour Black = 0x00000000;
inline constexpr Colour White = 0x00FFFFFF;
inline constexpr Colour Red = 0x000000FF;
inline constexpr Colour Green = 0x0000FF00;
inline constexpr Colour Yellow = 0x0000FFFF;
inline constexpr Colour LightYellow = 0x00C0FFFF;
inline constexpr Colour PaleCyan = 0x00FFFFC0;
}  // namespace colour

// A font as the layout tables give it: face, size and weight, before Qt finds the face.
struct FontStyle {
    std::string face = "MS Sans Serif";
    float points = 8.0F;
    int weight = 400;  // 400 regular, 700 bold
    friend bool operator==(const FontStyle&, const FontStyle&) = default;
};

enum class Align { Left, Centre, Right };

// Everything a layout table says about one control. Each control kind reads the fields
// that apply to it; the rest keep their defaults.
struct Design {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    std::string caption;  // caption of buttons, labels and frames; text of text boxes
    int tabIndex = -1;
    bool visible = true;
    bool enabled = true;
    FontStyle font = {};
    Colour backColor = colour::ButtonFace;
    Colour foreColor = colour::ButtonText;
    Align align = Align::Left;
    bool bordered = false;                 // labels: single-line border
    bool borderless = false;               // frames: no frame line and no caption
    bool autoSize = false;                 // labels: width follows the caption
    bool transparent = false;              // labels: no background
    bool shrinkToFit = false;              // labels: a caption too wide is drawn smaller, then ended by "…"
    bool wordWrap = false;                 // labels: a caption too wide goes on over more lines
    bool asciiDigits = false;              // text boxes: digits of every script become 0-9 as they are typed
    std::string picture;                   // pictures: resource path
    bool stretch = false;                  // pictures: scale to the box
    bool selected = false;                 // option buttons: selected at load
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // lines
    int lineWidth = 1;                     // lines and shapes, in pixels
    std::string accessibleName;            // what a screen reader calls a control whose caption does not name it
    bool readAsPhrase = false;             // frames: a screen reader reads the painted controls inside as one phrase
    std::string announceAs;                // labels, frames, text boxes: a change is announced, after these words
    std::string phrase;  // frames read as a phrase: its sentence, %1, %2... the labels inside in order
};

// Window-level settings of a window definition.
struct WindowDesign {
    std::string caption;
    float clientWidth = 0;
    float clientHeight = 0;
    Colour backColor = colour::ButtonFace;
    bool borderless = false;  // no title bar, no border, cannot be moved or resized
    bool showInTaskbar = true;
    std::string icon;     // resource path, empty for none
    bool dialog = false;  // a screen reader presents it as a dialog rather than a main window
    // Where the window's texts are looked up in the user's language: the window class's name.
    std::string translationContext;
};

}  // namespace tarnivo::tk
