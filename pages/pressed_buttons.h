// The pressed-button display of the Buttons Mapping page: six marks, one
// per mouse button of the gun and one for its wheel, lit while pressed.
#pragma once

#include "input/button_flags.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vantor {

// Pixels in the display's client area; right and bottom are exclusive.
struct PixelBox {
  int Left, Top, Right, Bottom;
  constexpr int CentreX() const { return (Left + Right) / 2; }
  constexpr int CentreY() const { return (Top + Bottom) / 2; }
};

struct PressedMark {
  std::string_view Label;
  PixelBox LabelBox;  // the label sits right-aligned against its mark
  PixelBox Mark;      // bounding box of the circle
};

inline constexpr std::size_t kMarkCount = 6;
inline constexpr std::size_t kWheelMark = 5;

inline constexpr std::array<PressedMark, kMarkCount> kPressedMarks = {{
    {"1", {20, 14, 35, 32}, {35, 12, 55, 32}},
    {"2", {70, 14, 85, 32}, {85, 12, 105, 32}},
    {"3", {120, 14, 135, 32}, {135, 12, 155, 32}},
    {"4", {170, 14, 185, 32}, {185, 12, 205, 32}},
    {"5", {220, 14, 235, 32}, {235, 12, 255, 32}},
    {"6", {270, 14, 285, 32}, {285, 12, 305, 32}},
}};
inline constexpr std::string_view kWheelLabel = "(Wheel)";
inline constexpr PixelBox kWheelLabelBox{305, 14, 365, 32};

struct Rgb {
  std::uint8_t R, G, B;
  bool operator==(const Rgb&) const = default;
};
inline constexpr Rgb kLitMarkColour{255, 100, 0};

class PressedButtons {
 public:
  // Takes one raw report's transition bits, with the device's wheel-held
  // state from before the key translator saw this report. True when the
  // display must be drawn again.
  bool Update(std::uint16_t buttonFlags, std::uint8_t wheelHeld);

  bool IsLit(std::size_t mark) const { return m_lit[mark]; }
  const std::array<bool, kMarkCount>& Lit() const { return m_lit; }

 private:
  std::array<bool, kMarkCount> m_lit{};
};

}  // namespace vantor
