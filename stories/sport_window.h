#pragma once
// Form1, the Sport story and the start-up window: its definition as data, one row per control,
// and its story (questions, story labels, closing line and slot table).

#include "stories/story.h"
#include "ui/checks.h"
#include "ui/definitions.h"

namespace stories::sport {

using ui::Kind;

// clang-format off
inline constexpr ui::ControlDef kControls[] = {
    // name      kind           caption                                                   left  top   width height tab visible
    {"Command2", Kind::Button,  "&Exit",                                                  3240, 2400, 1815, 855,   13, true},
    {"Command1", Kind::Button,  "&Submit",                                                1320, 2400, 1815, 855,   12, true},
    {"Text6",    Kind::TextBox, "",                                                       4320, 1920, 1935, 375,   11, true},
    {"Text5",    Kind::TextBox, "",                                                       2280, 1920, 1815, 375,   9,  true},
    {"Text4",    Kind::TextBox, "",                                                       240,  1920, 1815, 375,   7,  true},
    {"Text3",    Kind::TextBox, "",                                                       4320, 840,  1935, 375,   5,  true},
    {"Text2",    Kind::TextBox, "",                                                       2280, 840,  1815, 375,   3,  true},
    {"Text1",    Kind::TextBox, "",                                                       240,  840,  1815, 375,   1,  true},
    {"Label25",  Kind::Label,   "The end.",                                               3360, 5760, 735,  255,   32, false},
    {"Label24",  Kind::Label,   "and shot him.",                                          3000, 5160, 1095, 255,   31, false},
    {"Label23",  Kind::Label,   "Label23",                                                5880, 4800, 975,  255,   30, false},
    {"Label22",  Kind::Label,   "Label22",                                                1560, 5160, 1335, 255,   29, false},
    {"Label21",  Kind::Label,   "called him a",                                           360,  5160, 975,  255,   28, false},
    {"Label20",  Kind::Label,   "got up, walked over to the person that had thrown that", 1800, 4800, 3975, 255,   27, false},
    {"Label19",  Kind::Label,   "Label19",                                                360,  4800, 1335, 255,   26, false},
    {"Label18",  Kind::Label,   "Label18",                                                4680, 4440, 735,  255,   25, false},
    {"Label17",  Kind::Label,   "in the",                                                 4200, 4440, 495,  255,   24, false},
    {"Label16",  Kind::Label,   "Label16",                                                3120, 4440, 855,  255,   23, false},
    {"Label15",  Kind::Label,   "hit",                                                    2520, 4440, 255,  255,   22, false},
    {"Label14",  Kind::Label,   "Label14",                                                1440, 4440, 855,  255,   21, false},
    {"Label13",  Kind::Label,   "when a",                                                 360,  4440, 615,  255,   20, false},
    {"Label12",  Kind::Label,   "Label12",                                                3480, 4080, 1215, 255,   19, false},
    {"Label11",  Kind::Label,   "Label11",                                                5280, 4080, 1455, 255,   18, false},
    {"Label10",  Kind::Label,   "with",                                                   4800, 4080, 375,  255,   17, false},
    {"Label9",   Kind::Label,   "was playing",                                            2520, 4080, 855,  255,   16, false},
    {"Label8",   Kind::Label,   "Label8",                                                 1080, 4080, 1335, 255,   15, false},
    {"Label7",   Kind::Label,   "One day",                                                360,  4080, 615,  255,   14, false},
    {"Label6",   Kind::Label,   "What do you call a person when you're annoyed?",         4320, 1320, 1935, 495,   10, true},
    {"Label5",   Kind::Label,   "Pick a body part.",                                      2280, 1560, 1455, 255,   8,  true},
    {"Label4",   Kind::Label,   "Pick an object.",                                        240,  1560, 1455, 255,   6,  true},
    {"Label3",   Kind::Label,   "Who is your favorite team/person in that sport?",        4320, 360,  2175, 375,   4,  true},
    {"Label2",   Kind::Label,   "What's your favorite sport?",                            2280, 360,  1695, 375,   2,  true},
    {"Label1",   Kind::Label,   "What's you name?",                                       240,  480,  1455, 255,   0,  true},
};

void Command1_Click(ui::Form& form);
void mNew_Click(ui::Form& form);

inline constexpr ui::MenuItemDef kMenuItems[] = {
    // name      caption        shortcut
    {"mNew",   "&New Story", ui::shortcut::ctrl('N')},
    {"mAbout", "&About",     ui::shortcut::ctrl('A')},
    {"mExit",  "&Exit"},
};

inline constexpr ui::MenuItemDef kStoryItems[] = {
    {"Sport",   "&Sport",   ui::shortcut::F1},
    {"lottery", "&Lottery", ui::shortcut::F2},
};

inline constexpr ui::MenuDef kMenus[] = {
    {"Menu",  "&Menu",  kMenuItems},
    {"Story", "&Story", kStoryItems},
};

inline constexpr ui::ClickBinding kHandlers[] = {
    {"Command1", &Command1_Click},
    {"mNew",     &mNew_Click},
};

inline constexpr ui::LabelFor kQuestions[] = {
    {"Label1", "Text1"},  // name
    {"Label2", "Text2"},  // favorite sport
    {"Label3", "Text3"},  // team or person
    {"Label4", "Text4"},  // object
    {"Label5", "Text5"},  // body part
    {"Label6", "Text6"},  // annoyed name
};

inline constexpr std::string_view kStoryLabels[] = {
    "Label7",  "Label8",  "Label9",  "Label10", "Label11", "Label12", "Label13", "Label14", "Label15",
    "Label16", "Label17", "Label18", "Label19", "Label20", "Label21", "Label22", "Label23", "Label24",
};

inline constexpr SlotRow kSlots[] = {
    {"Label8",  "Text1"},  // name
    {"Label12", "Text2"},  // favorite sport
    {"Label11", "Text3"},  // team or person
    {"Label14", "Text4"},  // object
    {"Label16", "Text1"},  // name
    {"Label18", "Text5"},  // body part
    {"Label19", "Text1"},  // name
    {"Label23", "Text4"},  // object
    {"Label22", "Text6"},  // annoyed name
};
// clang-format on

inline constexpr StoryDef kStory{kQuestions, kStoryLabels, "Label25", kSlots};

inline constexpr ui::WindowDef kWindow{
    .name = "Form1",
    .caption = "Yarno",
    .width = 7365,
    .height = 6630,
    .border = ui::Border::FixedSingle,
    .controls = kControls,
    .menus = kMenus,
    .handlers = kHandlers,
    .labels = kQuestions,
};

static_assert(ui::check(kWindow));
static_assert(stories::check(kStory, kWindow));

}  // namespace stories::sport
