// Places a template's controls in pixels when some of them need more room
// than the template gives (toolkits whose buttons and rows are taller than
// the ones the layout was drawn for). Controls grow; nothing gets clipped
// and nothing comes to overlap that did not overlap in the template.
#pragma once

#include <span>
#include <vector>

#include "pages/dialog_template.h"

namespace vantor {

struct PixelRect {
  int X = 0, Y = 0, Width = 0, Height = 0;
  int Right() const { return X + Width; }
  int Bottom() const { return Y + Height; }
  bool operator==(const PixelRect&) const = default;
};

struct PixelSize {
  int Width = 0, Height = 0;
  bool operator==(const PixelSize&) const = default;
};

struct GrownLayout {
  std::vector<PixelRect> Controls;
  PixelSize Window;
};

// Each control becomes at least as large as it needs. Whatever starts below
// a grown control moves down by its growth, whatever starts to the right of
// it within the same rows moves right, a control that frames others (a group
// box) grows around them, and the window grows so that every control keeps
// its margin to the right and bottom edges.
GrownLayout GrowToFit(std::span<const PixelRect> places,
                      std::span<const PixelSize> needed, PixelSize window);

// The controls of a grown layout in a window of another size: stretching
// ones take the difference, bottom-following ones move by it. A window
// smaller than the layout keeps the layout as it is.
std::vector<PixelRect> FollowWindowSize(const GrownLayout& layout,
                                        std::span<const Anchor> anchors,
                                        PixelSize window);

}  // namespace vantor
