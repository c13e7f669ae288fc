#pragma once
// The one place where designer units become Qt's logical pixels.

namespace ui {

inline constexpr int kTwipsPerPixel = 15;  // 1440 twips an inch at 96 logical dots per inch

constexpr int toPixels(int twips)
{
    const int half = kTwipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / kTwipsPerPixel : -((-twips + half) / kTwipsPerPixel);
}

// A font's point size at the same 96 logical dots per inch, so text scales with the layout.
constexpr int pointsToPixels(int size10k)
{
    return (size10k * 96 / 72 + 5000) / 10000;
}

}  // namespace ui
