#include "pages/template_layout.h"

#include <algorithm>
#include <cassert>

namespace vantor {
namespace {

bool Frames(const PixelRect& outer, const PixelRect& inner) {
  return outer.X <= inner.X && outer.Y <= inner.Y &&
         inner.Right() <= outer.Right() && inner.Bottom() <= outer.Bottom() &&
         !(outer == inner);
}

bool SharesRows(const PixelRect& a, const PixelRect& b) {
  return a.Y < b.Bottom() && b.Y < a.Bottom();
}

}  // namespace

GrownLayout GrowToFit(std::span<const PixelRect> places,
                      std::span<const PixelSize> needed, PixelSize window) {
  assert(places.size() == needed.size());
  const std::size_t n = places.size();
  std::vector<PixelRect> grown(places.begin(), places.end());

  // Growth only ever increases, so repeating the pass until nothing moves
  // settles after at most one pass per control.
  for (std::size_t pass = 0; pass <= n; ++pass) {
    bool changed = false;
    for (std::size_t i = 0; i < n; ++i) {
      const PixelRect& place = places[i];
      int down = 0, right = 0;
      for (std::size_t j = 0; j < n; ++j) {
        if (j == i || Frames(places[j], place)) continue;
        if (places[j].Bottom() <= place.Y)
          down = std::max(down, grown[j].Bottom() - places[j].Bottom());
        if (places[j].Right() <= place.X && SharesRows(places[j], place))
          right = std::max(right, grown[j].Right() - places[j].Right());
      }
      PixelRect next{place.X + right, place.Y + down,
                     std::max(place.Width, needed[i].Width),
                     std::max(place.Height, needed[i].Height)};
      for (std::size_t c = 0; c < n; ++c) {
        if (c == i || !Frames(place, places[c])) continue;
        next.Width = std::max(next.Width, grown[c].Right() +
                                              (place.Right() - places[c].Right()) - next.X);
        next.Height = std::max(next.Height, grown[c].Bottom() +
                                                (place.Bottom() - places[c].Bottom()) - next.Y);
      }
      if (!(next == grown[i])) {
        grown[i] = next;
        changed = true;
      }
    }
    if (!changed) break;
  }

  PixelSize size = window;
  for (std::size_t i = 0; i < n; ++i) {
    size.Width = std::max(size.Width,
                          grown[i].Right() + std::max(0, window.Width - places[i].Right()));
    size.Height = std::max(size.Height,
                           grown[i].Bottom() + std::max(0, window.Height - places[i].Bottom()));
  }
  return {std::move(grown), size};
}

std::vector<PixelRect> FollowWindowSize(const GrownLayout& layout,
                                        std::span<const Anchor> anchors,
                                        PixelSize window) {
  assert(anchors.size() == layout.Controls.size());
  const int dx = std::max(0, window.Width - layout.Window.Width);
  const int dy = std::max(0, window.Height - layout.Window.Height);
  std::vector<PixelRect> placed = layout.Controls;
  for (std::size_t i = 0; i < placed.size(); ++i) {
    switch (anchors[i]) {
      case Anchor::Fixed:
        break;
      case Anchor::Stretch:
        placed[i].Width += dx;
        placed[i].Height += dy;
        break;
      case Anchor::FollowBottom:
        placed[i].Y += dy;
        break;
    }
  }
  return placed;
}

}  // namespace vantor
