// The portable core on a backend that only records: the rules of the runtime (names, kinds,
// run-time errors, the run's end), one Submit of each story, text kept byte for byte, and the
// caption rule, all without a toolkit.

#include <algorithm>
#include <string>
#include <vector>

#include "app/project.h"
#include "app/session.h"
#include "tests/core/check.h"
#include "tests/core/recording_backend.h"
#include "ui/caption.h"
#include "ui/form.h"

namespace {

using Log = std::vector<std::string>;

struct Run {
    test::RecordingBackend backend;
    app::Session session{app::kProject, backend};
    Run() { session.start(); }

    // What the backend was asked from here on.
    Log since(std::size_t mark) const { return Log(backend.log.begin() + std::ptrdiff_t(mark), backend.log.end()); }
    bool logged(const std::string& line) const
    {
        return std::find(backend.log.begin(), backend.log.end(), line) != backend.log.end();
    }
    void answer(std::string_view window, const std::vector<std::string>& answers)
    {
        for (std::size_t i = 0; i < answers.size(); ++i)
            backend.type(window, "Text" + std::to_string(i + 1), answers[i]);
    }
};

void submitTellsTheStory()
{
    struct Row {
        const char* name;
        std::vector<std::string> steps;  // window.control clicked before answering
        const char* window;
        std::vector<std::string> answers;
        const char* firstCaption;
        const char* spoken;
    };
    const Row rows[] = {
        {"sport", {}, "Form1", {"Sam", "tennis", "the Lions", "ball", "nose", "clown"}, "Form1 caption Label8 Sam",
         "One day Sam was playing tennis with the Lions when a ball hit Sam in the nose Sam got up, walked over to the "
         "person that had thrown that ball called him a clown and shot him. The end."},
        {"lottery", {"Form1.lottery"}, "Form3", {"Ann", "42", "she", "bus", "cake", "thanks"}, "Form3 caption Label8 Ann",
         "One day Ann was out shopping and decided to buy a lottery ticket. When she came home she turned on the TV and "
         "watched the lottery. In amazement, Ann realised she had won $42,000,000,000 !! Ann went out and bought a brand "
         "new bus Then she bought a cake for everyone else that he knew. One girl called Ann a thanks and they all lived "
         "happily ever after... The end."},
        {"blanks and spaces", {}, "Form1", {" \t Jo \u00A0  Ann\n", "", "", "", "", ""}, "Form1 caption Label8  \t Jo \u00A0  Ann\n",
         "One day Jo Ann was playing with when a hit Jo Ann in the Jo Ann got up, walked over to the person that had "
         "thrown that called him a and shot him. The end."},
    };
    for (const Row& row : rows) {
        Run run;
        for (const std::string& step : row.steps)
            run.backend.click(step.substr(0, 5), step.substr(6));
        run.answer(row.window, row.answers);
        const std::size_t mark = run.backend.log.size();
        run.backend.click(row.window, "Command1");
        const Log told = run.since(mark);
        const std::string name = std::string("submit, ") + row.name;
        test::expectEqual(name + ": the first slot is filled first", told.empty() ? "" : told.front(), row.firstCaption);
        test::expectEqual(name + ": the closing line is shown last, then the story spoken", told.size() >= 2 ? told.end()[-2] : "",
                          std::string(row.window) + (row.window == std::string("Form1") ? " reveal Label25" : " reveal Label34"));
        test::expectEqual(name + ": spoken", told.empty() ? "" : told.back(), std::string(row.window) + " announce " + row.spoken);
    }
}

// Every answer comes back exactly as it was typed, and goes into its slots unchanged.
void textIsKeptByteForByte()
{
    const std::vector<std::string> answers{"Zoë", "Привет", "שָׁלוֹם", "東京", "🏆👨‍👩‍👧", "Tom & &&Jerry&"};
    Run run;
    run.answer("Form1", answers);
    ui::Form& sport = run.session.registry().reference("Form1");
    for (std::size_t i = 0; i < answers.size(); ++i)
        test::expectEqual("read back " + answers[i], sport.text("Text" + std::to_string(i + 1)), answers[i]);
    run.backend.click("Form1", "Command1");
    test::expectEqual("the slot holds the answer", sport.caption("Label11"), answers[2]);
    sport.setText("Text6", answers[4]);
    test::expectEqual("written and read back", sport.text("Text6"), answers[4]);
}

void failedOperationEndsTheRun()
{
    struct Row {
        const char* name;
        void (*handler)(ui::Form&);
        const char* message;
    };
    const Row rows[] = {
        {"unknown name", [](ui::Form& f) { f.setCaption("Label1", "done"); f.setCaption("Label99", "x"); },
         "Caption of Form1.Label99 failed: the window has no such control"},
        {"Text of a label", [](ui::Form& f) { f.setCaption("Label1", "done"); (void)f.text("Label1"); },
         "Text of Form1.Label1 failed: only a text box has Text"},
        {"Caption of a text box", [](ui::Form& f) { f.setCaption("Label1", "done"); f.setCaption("Text1", "x"); },
         "Caption of Form1.Text1 failed: a text box has no Caption"},
    };
    for (const Row& row : rows) {
        Run run;
        ui::Form& sport = *run.session.registry().loaded("Form1");
        sport.bindClick("Label2", row.handler);
        run.backend.click("Form1", "Label2");
        const std::string name = std::string("error, ") + row.name;
        test::expectEqual(name + ": done before the failure", run.logged("Form1 caption Label1 done"), true);
        test::expectEqual(name + ": the error box, over its window",
                          run.logged(std::string("Form1 error box Yarno v1.2: Run-time error:\n\n") + row.message), true);
        test::expectEqual(name + ": the run ends with status 1", run.backend.log.back(), "end 1");
        test::expectEqual(name + ": no window is left", run.session.runtime().loadedCount(), std::size_t(0));
    }
}

void runEndsWhenNothingIsOnScreen()
{
    struct Row {
        const char* name;
        std::vector<std::string> steps;
        bool ends;
    };
    const Row rows[] = {
        {"Exit in Sport alone", {"Form1.Command2"}, true},
        {"closing Lottery, Sport hidden", {"Form1.lottery", "Form3.close"}, true},
        {"Exit in Sport beside About", {"Form1.mAbout", "Form1.Command2"}, false},
        {"About's Back to Lottery", {"Form1.mAbout", "Form2.Command2"}, false},
    };
    for (const Row& row : rows) {
        Run run;
        for (const std::string& step : row.steps) {
            if (step.ends_with(".close"))
                run.backend.close(step.substr(0, 5));
            else
                run.backend.click(step.substr(0, 5), step.substr(6));
        }
        test::expectEqual(std::string("run's end, ") + row.name, run.session.runtime().exitStatus().has_value(), row.ends);
        if (row.ends)
            test::expectEqual(std::string("run's end, ") + row.name + ": status 0", run.backend.log.back(), "end 0");
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

}  // namespace

int main()
{
    submitTellsTheStory();
    textIsKeptByteForByte();
    failedOperationEndsTheRun();
    runEndsWhenNothingIsOnScreen();
    captionRule();
    return test::summary();
}
