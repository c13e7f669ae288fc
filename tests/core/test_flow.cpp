// Each window drawn as one column, read the way a person reads the screen: the questions with
// what was typed in their boxes, the buttons, and the story as told; and the screens on which
// the windows flow, with the size the flow draws its text at.

#include <string>
#include <vector>

#include "app/project.h"
#include "app/session.h"
#include "tests/core/check.h"
#include "tests/core/recording_backend.h"
#include "ui/caption.h"
#include "ui/flow.h"
#include "ui/flow_rule.h"
#include "ui/form.h"

namespace {

using Lines = std::vector<std::string>;

// A field as "question [answer]", buttons as "[Submit] [Exit]", a label to tap as "tap: ...".
Lines drawn(const ui::Form& form, std::vector<std::string_view> hidden = {})
{
    const ui::WindowDef& window = form.definition();
    std::vector<std::string> captions;
    for (const ui::ControlDef& control : window.controls)
        captions.push_back(ui::drawnCaption(control.kind, form.caption(control.name)).text);
    for (const std::string_view name : hidden)
        captions[ui::indexOfControl(window, name)].clear();
    const std::vector<std::string_view> shown(captions.begin(), captions.end());

    Lines out;
    for (const ui::FlowItem& item : ui::flowLayout(window)) {
        std::string line;
        switch (item.kind) {
        case ui::FlowKind::Field: line = captions[item.controls[0]] + " [" + form.text(window.controls[item.controls[1]].name) + "]"; break;
        case ui::FlowKind::Buttons:
            for (const std::size_t i : item.controls)
                line += (line.empty() ? "[" : " [") + captions[i] + "]";
            break;
        case ui::FlowKind::Line: line = ui::lineText(item, shown); break;
        case ui::FlowKind::Tappable: line = "tap: " + captions[item.controls[0]]; break;
        }
        out.push_back(line);
    }
    return out;
}

void windowsFlowFromTheirDefinitions()
{
    struct Row {
        const char* name;
        const char* opens;  // the Sport window's menu item that brings the window up
        const char* window;
        std::vector<std::string> answers;
        std::vector<std::string_view> hidden;
        Lines expected;
    };
    const Row rows[] = {
        {"Sport, told", nullptr, "Form1", {"Sam", "tennis", "the Lions", "ball", "nose", "clown"}, {},
         {"What's you name? [Sam]", "What's your favorite sport? [tennis]", "Who is your favorite team/person in that sport? [the Lions]",
          "Pick an object. [ball]", "Pick a body part. [nose]", "What do you call a person when you're annoyed? [clown]",
          "[Submit] [Exit]",
          "One day Sam was playing tennis with the Lions", "when a ball hit Sam in the nose",
          "Sam got up, walked over to the person that had thrown that ball", "called him a clown and shot him.", "The end."}},
        {"Lottery, told", "lottery", "Form3", {"Ann", "42", "she", "bus", "cake", "thanks"}, {},
         {"What's your name? [Ann]", "Pick a number between 1 and 100. [42]", "Are you a he or a she? [she]",
          "What's your favorite car? [bus]", "Pick something that you can buy [cake]",
          "What do you say to a person who is nice to you? [thanks]",
          "[Submit] [Exit]",
          "One day Ann was out shopping and decided to buy a lottery ticket. When she",
          "came home she turned on the TV and watched the lottery. In amazement, Ann",
          "realised she had won $42,000,000,000 !! Ann", "went out and bought a brand new bus Then she bought a",
          "cake for everyone else that he knew. One girl called Ann", "a thanks and they all lived happily ever after...", "The end."}},
        {"Sport, a blank answer and a hidden label", nullptr, "Form1", {"Sam", "", "the Lions", "ball", "nose", "clown"}, {"Label10", "Label25"},
         {"What's you name? [Sam]", "What's your favorite sport? []", "Who is your favorite team/person in that sport? [the Lions]",
          "Pick an object. [ball]", "Pick a body part. [nose]", "What do you call a person when you're annoyed? [clown]",
          "[Submit] [Exit]",
          "One day Sam was playing the Lions", "when a ball hit Sam in the nose",
          "Sam got up, walked over to the person that had thrown that ball", "called him a clown and shot him.", ""}},
        {"About", "mAbout", "Form2", {}, {},
         {"Created by: Orvask", "Date: 22/9/00", "Version: 1.2", "[Back to Sport] [Back to Lottery]",
          "Visit my sites at: www.example.com/yarno www.example.org/orvask", "tap: Copyright 2000 Orvask. All rights reserved."}},
    };
    for (const Row& row : rows) {
        test::RecordingBackend backend;
        app::Session session{app::kProject, backend};
        session.start();
        if (row.opens != nullptr)
            backend.click("Form1", row.opens);
        for (std::size_t i = 0; i < row.answers.size(); ++i)
            backend.type(row.window, "Text" + std::to_string(i + 1), row.answers[i]);
        if (!row.answers.empty())
            backend.click(row.window, "Command1");
        const Lines actual = drawn(session.registry().reference(row.window), row.hidden);
        test::expectEqual(std::string(row.name) + ": as many items", actual.size(), row.expected.size());
        for (std::size_t i = 0; i < actual.size() && i < row.expected.size(); ++i)
            test::expectEqual(std::string(row.name) + ": item " + std::to_string(i) + " reads \"" + row.expected[i] + "\"", actual[i], row.expected[i]);
    }
}

// The program's windows at their classic size, in logical pixels: Sport 491 x 442 and Lottery
// 489 x 461 under a menu bar, About 308 x 314. With edges of 4, a title bar of 24 and a menu bar
// of 20, the screen must offer 499 x 513.
void smallScreensFlow()
{
    constexpr ui::WindowFrame kFrame{.edge = 4, .titleBar = 24, .menuBar = 20};
    struct Row {
        const char* screen;
        ui::Room offered;
        bool flows;
    };
    const Row rows[] = {
        {"1920 x 1080 at 100 %, a panel below", {1920, 1040}, false},
        {"1920 x 1080 at 200 %", {960, 540}, false},
        {"1366 x 768 at 100 %", {1366, 768}, false},
        {"1366 x 768 at 200 %: too low", {683, 384}, true},
        {"1920 x 1080 at 300 %", {640, 360}, true},
        {"a phone upright, 360 x 720", {360, 720}, true},
        {"a phone turned, 720 x 360", {720, 360}, true},
        {"just room for every window", {499, 513}, false},
        {"a pixel too narrow", {498, 513}, true},
        {"a pixel too low", {499, 512}, true},
    };
    for (const Row& row : rows)
        test::expectEqual(std::string(row.screen) + (row.flows ? ": flows" : ": classic"), ui::flows(app::kWindows, kFrame, row.offered), row.flows);

    // A window system that gives a window less than its classic room (a phone shell maximising it)
    // leaves it no frame of its own to count.
    const ui::WindowDef* sport[] = {&stories::sport::kWindow};
    const ui::WindowFrame menuOnly{.menuBar = 20};
    test::expectEqual("Sport given its classic 491 x 462 stays classic", ui::flows(sport, menuOnly, {491, 462}), false);
    test::expectEqual("Sport given a phone's 360 x 720 flows", ui::flows(sport, menuOnly, {360, 720}), true);

    // The window face's 13 pixels, each a whole number of device pixels, at least 16 logical pixels.
    struct Face {
        double devicePixelRatio;
        int devicePixels;  // for each pixel of the face
    };
    const Face faces[] = {{1, 2}, {1.25, 2}, {1.5, 2}, {1.75, 3}, {2, 3}, {2.5, 4}, {3, 4}, {4, 5}};
    for (const Face& face : faces)
        test::expectEqual("at " + std::to_string(face.devicePixelRatio) + " device pixels a pixel, a face pixel is "
                              + std::to_string(face.devicePixels),
                          ui::flowFacePixels(face.devicePixelRatio), face.devicePixels);
}

}  // namespace

int main()
{
    windowsFlowFromTheirDefinitions();
    smallScreensFlow();
    return test::summary();
}
