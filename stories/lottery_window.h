#pragma once
// Form3, the Lottery story: its definition as data, one row per control, and its story. Unlike
// the Sport window it is sizable, its tab order runs backwards, and its closing line is not the
// last line of the story: "The end." is an ordinary fragment shown below it.

#include "stories/story.h"
#include "ui/checks.h"
#include "ui/definitions.h"

namespace stories::lottery {

using ui::Kind;

// clang-format off
inline constexpr ui::ControlDef kControls[] = {
    // name      kind           caption                                                    left  top   width height tab visible
    {"Text1",    Kind::TextBox, "",                                                        120,  720,  1815, 375,   7,  true},
    {"Text2",    Kind::TextBox, "",                                                        2160, 720,  1815, 375,   6,  true},
    {"Text3",    Kind::TextBox, "",                                                        4200, 720,  1935, 375,   5,  true},
    {"Text4",    Kind::TextBox, "",                                                        120,  2040, 1815, 375,   4,  true},
    {"Text5",    Kind::TextBox, "",                                                        2160, 2040, 1815, 375,   3,  true},
    {"Text6",    Kind::TextBox, "",                                                        4200, 2040, 1935, 375,   2,  true},
    {"Command1", Kind::Button,  "&Submit",                                                 1200, 2520, 1815, 855,   1,  true},
    {"Command2", Kind::Button,  "&Exit",                                                   3120, 2520, 1815, 855,   0,  true},
    {"Label14",  Kind::Label,   "Label14",                                                 720,  4920, 495,  255,   41, false},
    {"Label34",  Kind::Label,   "and they all lived happily ever after...",                1440, 6000, 2775, 255,   40, false},
    {"Label33",  Kind::Label,   "Label33",                                                 360,  6000, 1095, 255,   39, false},
    {"Label32",  Kind::Label,   "a",                                                       0,    6000, 255,  255,   38, false},
    {"Label31",  Kind::Label,   "Label31",                                                 5520, 5640, 975,  255,   37, false},
    {"Label30",  Kind::Label,   "One girl called",                                         4320, 5640, 1095, 255,   36, false},
    {"Label29",  Kind::Label,   "bought a",                                                5640, 5280, 735,  255,   35, false},
    {"Label28",  Kind::Label,   "Label28",                                                 4920, 5280, 615,  255,   34, false},
    {"Label27",  Kind::Label,   "for everyone else that he knew.",                         1920, 5640, 2295, 255,   33, false},
    {"Label26",  Kind::Label,   "Then",                                                    4440, 5280, 375,  255,   32, false},
    {"Label1",   Kind::Label,   "What's your name?",                                       120,  360,  1455, 255,   31, true},
    {"Label2",   Kind::Label,   "Pick a number between 1 and 100.",                        2160, 240,  1695, 375,   30, true},
    {"Label3",   Kind::Label,   "Are you a he or a she?",                                  4200, 240,  2175, 375,   29, true},
    {"Label4",   Kind::Label,   "What's your favorite car?",                               120,  1440, 1455, 375,   28, true},
    {"Label5",   Kind::Label,   "Pick something that you can buy",                         2160, 1440, 1455, 495,   27, true},
    {"Label6",   Kind::Label,   "What do you say to a person who is nice to you?",         4200, 1440, 1935, 495,   26, true},
    {"Label7",   Kind::Label,   "One day",                                                 0,    4200, 615,  255,   25, false},
    {"Label8",   Kind::Label,   "Label8",                                                  720,  4200, 1335, 255,   24, false},
    {"Label9",   Kind::Label,   "was out shopping and decided to buy a lottery ticket.",   2280, 4200, 3735, 255,   23, false},
    {"Label10",  Kind::Label,   "When",                                                    6120, 4200, 495,  255,   22, false},
    {"Label11",  Kind::Label,   "Label11",                                                 960,  4560, 615,  255,   21, false},
    {"Label12",  Kind::Label,   "Label12",                                                 6720, 4200, 735,  255,   20, false},
    {"Label13",  Kind::Label,   "came home",                                               0,    4560, 855,  255,   19, false},
    {"Label15",  Kind::Label,   "turned on the TV and watched the lottery. In amazement,", 1680, 4560, 4095, 255,   18, false},
    {"Label16",  Kind::Label,   "Label16",                                                 5880, 4560, 1335, 255,   17, false},
    {"Label17",  Kind::Label,   "realised",                                                0,    4920, 615,  255,   16, false},
    {"Label18",  Kind::Label,   "Label18",                                                 3960, 4920, 1215, 255,   15, false},
    {"Label19",  Kind::Label,   "Label19",                                                 2160, 4920, 615,  255,   14, false},
    {"Label20",  Kind::Label,   "had won $",                                               1320, 4920, 855,  255,   13, false},
    {"Label21",  Kind::Label,   "went out and bought a brand new",                         0,    5280, 2535, 255,   12, false},
    {"Label22",  Kind::Label,   "Label22",                                                 2640, 5280, 1695, 255,   11, false},
    {"Label23",  Kind::Label,   "Label23",                                                 0,    5640, 1815, 255,   10, false},
    {"Label24",  Kind::Label,   ",000,000,000 !!",                                         2760, 4920, 1095, 255,   9,  false},
    {"Label25",  Kind::Label,   "The end.",                                                3000, 6480, 735,  255,   8,  false},
};

void Command1_Click(ui::Form& form);
void new_Click(ui::Form& form);

inline constexpr ui::MenuItemDef kMenuItems[] = {
    // name     caption    shortcut
    {"new",   "&New",   ui::shortcut::ctrl('N')},
    {"about", "&About", ui::shortcut::ctrl('A')},
    {"exit",  "&Exit"},
};

inline constexpr ui::MenuItemDef kStoryItems[] = {
    {"sport",   "&Sport",   ui::shortcut::F1},
    {"lottery", "&Lottery", ui::shortcut::F2},
};

inline constexpr ui::MenuDef kMenus[] = {
    {"menu",  "&Menu",  kMenuItems},
    {"story", "&Story", kStoryItems},
};

inline constexpr ui::ClickBinding kHandlers[] = {
    {"Command1", &Command1_Click},
    {"new",      &new_Click},
};

inline constexpr ui::LabelFor kQuestions[] = {
    {"Label1", "Text1"},  // name
    {"Label2", "Text2"},  // number
    {"Label3", "Text3"},  // he or she
    {"Label4", "Text4"},  // car
    {"Label5", "Text5"},  // thing to buy
    {"Label6", "Text6"},  // kind words
};

inline constexpr std::string_view kStoryLabels[] = {
    "Label7",  "Label8",  "Label9",  "Label10", "Label11", "Label12", "Label13", "Label14", "Label15",
    "Label16", "Label17", "Label18", "Label19", "Label20", "Label21", "Label22", "Label23", "Label24",
    "Label25", "Label26", "Label27", "Label28", "Label29", "Label30", "Label31", "Label32", "Label33",
};

inline constexpr SlotRow kSlots[] = {
    {"Label8",  "Text1"},  // name
    {"Label12", "Text3"},  // he or she
    {"Label11", "Text3"},  // he or she
    {"Label14", "Text3"},  // he or she
    {"Label16", "Text1"},  // name
    {"Label19", "Text2"},  // number
    {"Label18", "Text1"},  // name
    {"Label22", "Text4"},  // car
    {"Label28", "Text3"},  // he or she
    {"Label23", "Text5"},  // thing to buy
    {"Label31", "Text1"},  // name
    {"Label33", "Text6"},  // kind words
};
// clang-format on

inline constexpr StoryDef kStory{kQuestions, kStoryLabels, "Label34", kSlots};

inline constexpr ui::WindowDef kWindow{
    .name = "Form3",
    .caption = "Yarno",
    .width = 7335,
    .height = 6915,
    .border = ui::Border::Sizable,
    .controls = kControls,
    .menus = kMenus,
    .handlers = kHandlers,
    .labels = kQuestions,
};

static_assert(ui::check(kWindow));
static_assert(stories::check(kStory, kWindow));

}  // namespace stories::lottery
