// Each window drawn as one column, read the way a person reads the screen: the questions with
// what was typed in their boxes, the buttons, and the story as told.

#include <string>
#include <vector>

#include "app/project.h"
#include "app/session.h"
#include "tests/core/check.h"
#include "tests/core/recording_backend.h"
#include "ui/caption.h"
#include "ui/flow.h"
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

}  // namespace

int main()
{
    windowsFlowFromTheirDefinitions();
    return test::summary();
}
