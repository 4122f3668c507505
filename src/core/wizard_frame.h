// Geometry of the wizard's borderless frame: its size, the rounded window
// region and the strip at the top by which the user drags it.
#pragma once

namespace tvx {

struct FrameRect {
  int left, top, right, bottom;
};

constexpr int kFrameWidth = 808;
constexpr int kFrameHeight = 574;
// The visible shape: a rounded rectangle inside the window, corner size 4.
constexpr FrameRect kFrameRegion{4, 5, 804, 570};
constexpr int kFrameCornerSize = 4;
// Height of the band at the top that moves the window like a caption.
constexpr int kFrameDragBand = 32;

constexpr wchar_t kFrameTitle[] = L"Kelvaro Tralvex";

// Whether a point in client coordinates lies in the drag band of the frame.
constexpr bool IsFrameDragPoint(int x, int y) {
  return y >= 0 && y < kFrameDragBand && x >= 0 && x < kFrameWidth;
}

}  // namespace tvx
