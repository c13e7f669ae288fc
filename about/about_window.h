#pragma once
// Form2, the About window: credit, date, version, two web addresses, the rights line, and the
// two buttons back to either story.

#include "ui/checks.h"
#include "ui/definitions.h"

namespace about {

using ui::Kind;

inline constexpr ui::FontDef kAddressFont{.face = "MS Sans Serif", .size10k = 82500, .weight = 700};
inline constexpr ui::FontDef kCreditFont{.face = "MS Sans Serif", .size10k = 120000, .weight = 700};

// clang-format off
inline constexpr ui::ControlDef kControls[] = {
    // name      kind          caption                                        left  top   width height tab visible font
    {"Command2", Kind::Button, "Back to &Lottery",                            1920, 1560, 1455, 615,   5,  true},
    {"Command1", Kind::Button, "Back to &Sport",                              240,  1560, 1455, 615,   3,  true},
    {"Label5",   Kind::Label,  "Version: 1.2",                                1440, 1200, 975,  255,   6,  true},
    {"Label4",   Kind::Label,  "Visit my sites at: www.example.com/yarno www.example.org/orvask",
                                                                              360,  2520, 3855, 615,   4,  true,   &kAddressFont},
    {"Label2",   Kind::Label,  "Date: 22/9/00",                               1320, 840,  1095, 255,   1,  true},
    {"Label1",   Kind::Label,  "Created by: Orvask",                          600,  360,  3135, 255,   0,  true,   &kCreditFont},
    {"Label3",   Kind::Label,  "Copyright 2000 Orvask. All rights reserved.", 360,  4200, 3855, 255,   2,  true},
};
// clang-format on

void Label3_Click(ui::Form& form);

inline constexpr ui::ClickBinding kHandlers[] = {
    {"Label3", &Label3_Click},
};

inline constexpr ui::WindowDef kWindow{
    .name = "Form2",
    .caption = "About Yarno",
    .width = 4620,
    .height = 4710,
    .border = ui::Border::FixedSingle,
    .controls = kControls,
    .handlers = kHandlers,
};

static_assert(ui::check(kWindow));

}  // namespace about
