#pragma once

#include <array>
#include <cstdint>

// The Yarno icon as plain geometry on a 32 x 32 unit canvas. Every renderer
// scales this one description, so all sizes and formats show the same picture.
namespace yarno::icon {

enum class Ink : std::uint8_t { None, Black, Navy, White };

struct Rgb {
    std::uint8_t r, g, b;
};

constexpr Rgb rgbOf(Ink ink)
{
    switch (ink) {
    case Ink::Black: return {0, 0, 0};
    case Ink::Navy: return {0, 0, 128};
    case Ink::White: return {255, 255, 255};
    case Ink::None: break;
    }
    return {0, 0, 0};
}

// A disc when radius > 0, otherwise the box [x0, x1) x [y0, y1).
struct Shape {
    Ink ink;
    double x0, y0, x1, y1;
    double radius;
};

constexpr Shape disc(Ink ink, double cx, double cy, double r) { return {ink, cx, cy, 0, 0, r}; }
constexpr Shape box(Ink ink, double x0, double y0, double x1, double y1) { return {ink, x0, y0, x1, y1, 0}; }

constexpr double canvas = 32.0;

// Painted in order; a later shape covers an earlier one. Box edges sit on even
// units so the letter stays sharp at 16 pixels too.
constexpr std::array shapes{
    disc(Ink::Black, 16, 16, 15),     // rim
    disc(Ink::Navy, 16, 16, 13.5),    // face
    box(Ink::White, 14, 6, 18, 10),   // dot of the i
    box(Ink::White, 12, 12, 18, 14),  // stem with its serif
    box(Ink::White, 14, 14, 18, 22),
    box(Ink::White, 12, 22, 20, 24),  // foot
};

// The ink at a point of the canvas.
constexpr Ink inkAt(double x, double y)
{
    Ink ink = Ink::None;
    for (const Shape &s : shapes) {
        const bool inside = s.radius > 0
            ? (x - s.x0) * (x - s.x0) + (y - s.y0) * (y - s.y0) < s.radius * s.radius
            : x >= s.x0 && x < s.x1 && y >= s.y0 && y < s.y1;
        if (inside)
            ink = s.ink;
    }
    return ink;
}

} // namespace yarno::icon
