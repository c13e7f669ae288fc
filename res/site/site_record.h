#pragma once
// What the site for phones (build-web/site/) says about itself: its name, its one-line summary,
// its colours and its icons. The manifest and the icons are made from this at build time.

#include <array>
#include <string_view>

#include "res/icon_design.h"

namespace yarno::site {

inline constexpr std::string_view name = "Yarno";
// As the desktop entry's comment and the software centres' summary say it.
inline constexpr std::string_view summary = "Fill in the blanks and read the story you made";

// The page's desktop behind the windows, and its title bars (ui/web/page.css), in its light
// scheme: a phone shows the first while the app opens and tints its own bar with the second. The
// page names its bar's colour for each scheme itself (ui/web/page.html).
inline constexpr icon::Rgb background{0, 128, 128};
inline constexpr icon::Rgb theme = icon::rgbOf(icon::Ink::Navy);

struct SiteIcon {
    std::string_view file;
    int size;
    // On the background, the picture inside the middle 80 %: what a platform that cuts icons to
    // its own shape, a circle at the smallest, needs ("maskable"). iOS fills transparency with
    // black and rounds the corners, so its icon is drawn so too.
    bool padded;
    bool inManifest;  // iOS's icon is named by the page instead
};

// clang-format off
inline constexpr std::array icons{
    //       file                    size  padded inManifest
    SiteIcon{"icon-192.png",         192,  false, true},
    SiteIcon{"icon-512.png",         512,  false, true},
    SiteIcon{"maskable-512.png",     512,  true,  true},
    SiteIcon{"apple-touch-icon.png", 180,  true,  false},
};
// clang-format on

}  // namespace yarno::site
