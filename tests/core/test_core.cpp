// The portable core's own contracts for its callers, without a toolkit: text written by code kept
// byte for byte, the caption rule, and where a key goes in what the program's windows never show. What a person does and sees is in tests/scenarios/, which
// test_scenarios.cpp plays on the same recording backend.

#include <string>

#include "app/project.h"
#include "app/session.h"
#include "tests/core/check.h"
#include "tests/core/recording_backend.h"
#include "ui/caption.h"
#include "ui/form.h"
#include "ui/key_route.h"

namespace {

// Text written by a handler reads back exactly; what a person types is in tests/scenarios/.
void textIsKeptByteForByte()
{
    test::RecordingBackend backend;
    app::Session session{app::kProject, backend};
    session.start();
    ui::Form& sport = session.registry().reference("Form1");
    const std::string texts[] = {"Zoë", "🏆👨‍👩‍👧", "Tom & &&Jerry&", std::string("a\0b", 3)};
    for (const std::string& text : texts) {
        sport.setText("Text6", text);
        test::expectEqual("written and read back: " + text, sport.text("Text6"), text);
    }
}

void captionRule()
{
    struct Row {
        const char* caption;
        const char* drawn;
        std::size_t accessKey;
        std::size_t length;
    };
    constexpr std::size_t none = ui::DrawnCaption::kNone;
    const Row rows[] = {
        {"&Submit", "Submit", 0, 1},  {"Back to &Lottery", "Back to Lottery", 8, 1},
        {"R&&D", "R&D", none, 0},     {"a&&&b&c", "a&bc", 2, 1},
        {"end&", "end", none, 0},     {"&é", "é", 0, 2},
    };
    for (const Row& row : rows) {
        const ui::DrawnCaption drawn = ui::drawnCaption(row.caption);
        test::expectEqual(std::string("caption ") + row.caption, drawn.text, row.drawn);
        test::expectEqual(std::string("access key of ") + row.caption, drawn.accessKey, row.accessKey);
        test::expectEqual(std::string("access key length of ") + row.caption, drawn.accessKeyLength, row.length);
    }
}

// Every key a scenario presses in the program's windows is in tests/scenarios/; these are what
// they cannot reach: a hidden button, a caption changed at run time, keys held beside the right ones.
void keyRoutes()
{
    using To = ui::KeyRoute::To;
    static constexpr ui::ControlDef controls[] = {
        {"Box", ui::Kind::TextBox, "", 0, 0, 100, 100, 0},
        {"Go", ui::Kind::Button, "&Go", 0, 0, 100, 100, 1},
        {"Hidden", ui::Kind::Button, "&Help me", 0, 0, 100, 100, 2, false},
        {"Renamed", ui::Kind::Button, "&Old", 0, 0, 100, 100, 3},
    };
    static constexpr ui::MenuItemDef items[] = {{"New", "&New", ui::shortcut::ctrl('N')}, {"Sport", "&Sport", ui::shortcut::F1}};
    static constexpr ui::MenuDef menus[] = {{"Go", "&Game", items}, {"Help", "&Help", {}}};
    static constexpr ui::WindowDef window{"W", "W", 1000, 1000, ui::Border::FixedSingle, controls, menus};
    const std::string captions[] = {"", "&Go", "&Help me", "&Redo"};
    const std::vector<bool> shown = {true, true, false, true};
    struct Row {
        ui::KeyPress key;
        To to;
        std::size_t index;
    };
    const Row rows[] = {
        {{.key = "g", .alt = true}, To::Button, 1},           // the button's key beats the title's
        {{.key = "H", .alt = true}, To::MenuTitle, 1},        // a hidden button takes none
        {{.key = "r", .alt = true, .shift = true}, To::Button, 3},
        {{.key = "o", .alt = true}, To::Nothing, 0},          // its key as first defined is gone
        {{.key = "n", .ctrl = true}, To::MenuItem, 4},
        {{.key = "N", .ctrl = true, .shift = true}, To::Nothing, 0},
        {{.key = "F1"}, To::MenuItem, 5},
        {{.key = "F1", .shift = true}, To::Nothing, 0},
        {{.key = "g", .alt = true, .meta = true}, To::Nothing, 0},
    };
    for (const Row& row : rows) {
        const ui::KeyRoute route = ui::routeKey(window, captions, shown, row.key);
        const std::string name = std::string(row.key.key) + (row.key.alt ? " alt" : "") + (row.key.ctrl ? " ctrl" : "")
                                 + (row.key.shift ? " shift" : "") + (row.key.meta ? " meta" : "");
        test::expectEqual("where " + name + " goes", int(route.to), int(row.to));
        if (row.to != To::Nothing)
            test::expectEqual("what " + name + " reaches", route.index, row.index);
        test::expectEqual("whether " + name + " takes the focus", route.takesFocus, row.to == To::MenuTitle);
    }
}

}  // namespace

int main()
{
    textIsKeptByteForByte();
    captionRule();
    keyRoutes();
    return test::summary();
}
