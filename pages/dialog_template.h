// Window layouts as tables in dialog units: a quarter of the average
// character width across, an eighth of the character height down, so a
// layout scales with the font it is shown in.
#pragma once

#include <span>
#include <string_view>

namespace vantor {

inline constexpr int kNoId = -1;
// Ids of the standard dialog buttons.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

struct DialogRect {
  int X = 0, Y = 0, Width = 0, Height = 0;
};

enum class ControlKind {
  Label,          // static text
  Button,         // push button
  DefaultButton,  // the push button that Enter would press
  GroupBox,       // frame with a caption around other controls
  Custom,         // made by the window itself (grid, slider, link, ...)
};

// How a control follows the window when it is larger than its template.
enum class Anchor {
  Fixed,         // keeps its place and size
  Stretch,       // right and bottom edges follow the window's
  FollowBottom,  // moves down with the window's bottom edge
};

struct TemplateControl {
  int Id = kNoId;
  ControlKind Kind = ControlKind::Label;
  std::string_view Text;
  DialogRect Place;
  Anchor Anchoring = Anchor::Fixed;
};

struct DialogTemplate {
  std::string_view Caption;  // empty for a page
  int Width = 0, Height = 0;
  std::span<const TemplateControl> Controls;

  // The index of the control with this id, or -1.
  constexpr int IndexOf(int id) const {
    for (std::size_t i = 0; i < Controls.size(); ++i)
      if (Controls[i].Id == id) return static_cast<int>(i);
    return -1;
  }
};

}  // namespace vantor
