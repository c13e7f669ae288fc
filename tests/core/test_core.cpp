// The portable core's own contracts for its callers, without a toolkit: text written by code kept
// byte for byte, and the caption rule. What a person does and sees is in tests/scenarios/, which
// test_scenarios.cpp plays on the same recording backend.

#include <string>

#include "app/project.h"
#include "app/session.h"
#include "tests/core/check.h"
#include "tests/core/recording_backend.h"
#include "ui/caption.h"
#include "ui/form.h"

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

}  // namespace

int main()
{
    textIsKeptByteForByte();
    captionRule();
    return test::summary();
}
