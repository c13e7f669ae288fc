// The page's markup without a browser: every text, however hostile, is written so that a browser
// reads back the same string and never markup (the JSON by JSON.parse, the HTML by its parser),
// and a window's captions and answers come out as the page shows them.

#include <string>
#include <string_view>

#include "tests/core/check.h"
#include "ui/web/caption_markup.h"
#include "ui/web/node_html.h"
#include "ui/web/node_json.h"
#include "ui/web/window_markup.h"

namespace {

using namespace std::string_literals;

void textsAreEscaped()
{
    struct Row {
        const char* what;
        std::string text;
        std::string json;
        std::string html;       // as an element's text
        std::string attribute;  // as a value in double quotes
    };
    // clang-format off
    const Row rows[] = {
        {"markup's own characters", "<b>&amp;</b>", R"("<b>&amp;</b>")", "&lt;b&gt;&amp;amp;&lt;/b&gt;", "&lt;b&gt;&amp;amp;&lt;/b&gt;"},
        {"quotes",                  R"(say "hi", it's)", R"("say \"hi\", it's")", R"(say "hi", it's)", "say &quot;hi&quot;, it's"},
        {"a backslash",             R"(a\u0041\)", R"("a\\u0041\\")", R"(a\u0041\)", R"(a\u0041\)"},
        {"a script's end",          "</script><!--", R"("</script><!--")", "&lt;/script&gt;&lt;!--", "&lt;/script&gt;&lt;!--"},
        {"line and paragraph separators", "a\u2028b\u2029", "\"a\u2028b\u2029\"", "a\u2028b\u2029", "a\u2028b\u2029"},
        {"beyond the BMP",          "🏆 𝄞", "\"🏆 𝄞\"", "🏆 𝄞", "🏆 𝄞"},
        {"blanks and controls",     "a\tb\nc\x01\x1f\x7f", R"("a\u0009b\u000ac\u0001\u001f)" "\x7f\"", "a\tb\nc\x01\x1f\x7f", "a\tb\nc\x01\x1f\x7f"},
        {"a carriage return",       "a\rb\r\n", R"("a\u000db\u000d\u000a")", "a&#13;b&#13;\n", "a&#13;b&#13;\n"},
        {"NUL, which no HTML holds", "a\0b"s, R"("a\u0000b")", "a\uFFFDb", "a\uFFFDb"},
        {"a named reference's look-alike", "&lt &#60; &#x3c;", R"("&lt &#60; &#x3c;")", "&amp;lt &amp;#60; &amp;#x3c;", "&amp;lt &amp;#60; &amp;#x3c;"},
    };
    // clang-format on
    for (const Row& row : rows) {
        test::expectEqual("JSON: "s + row.what, ui::web::jsonString(row.text), row.json);
        test::expectEqual("JSON node: "s + row.what, ui::web::toJson(ui::web::textNode(row.text)), row.json);
        const ui::web::Node node = ui::web::elementNode("div").set("id", "w").set("title", row.text).add(ui::web::textNode(row.text));
        std::string css;
        test::expectEqual("HTML: "s + row.what, ui::web::toHtml(node, css), "<div id=\"w\" title=\"" + row.attribute + "\">" + row.html + "</div>");
    }
}

void captionsAsThePageDrawsThem()
{
    struct Row {
        const char* caption;
        const char* button;  // as a button or menu draws it, and its access key after "|"
        const char* label;   // as a label draws it
    };
    // clang-format off
    const Row rows[] = {
        {"&Submit",        R"([["u",{},"S"],"ubmit"]|s)",         R"([["span",{"class":"word"},"&Submit"]])"},
        {"Salt && Pepper", R"(["Salt & Pepper"]|)",               R"(["Salt"," ",["span",{"class":"word"},"&&"]," ","Pepper"])"},
        {"Tom & Jerry",    R"(["Tom ",["u",{}," "],"Jerry"]| )",  R"(["Tom"," ",["span",{"class":"word"},"&"]," ","Jerry"])"},
        {"<b>x</b>",       R"(["<b>x</b>"]|)",                    R"([["span",{"class":"word"},"<b>x</b>"]])"},
        {"&Über",          R"([["u",{},"Ü"],"ber"]|Ü)",           R"([["span",{"class":"word"},"&Über"]])"},
    };
    // clang-format on
    for (const Row& row : rows) {
        const ui::web::CaptionMarkup drawn = ui::web::captionMarkup(row.caption);
        test::expectEqual("as a button: "s + row.caption, ui::web::toJson(drawn.nodes) + "|" + drawn.accessKey, std::string(row.button));
        test::expectEqual("as a label: "s + row.caption, ui::web::toJson(ui::web::labelCaptionMarkup(row.caption)), std::string(row.label));
    }
}

// A window of our own, its texts hostile: each shows as text in the HTML the page's build writes.
void windowTextsStayText()
{
    static constexpr ui::ControlDef kControls[] = {
        // name       kind               caption             left  top  width height tab
        {"Question", ui::Kind::Label,   "Fish & <chips>?",  120,  120, 2000, 300,  0},
        {"Answer",   ui::Kind::TextBox, "\"quoted\" & <b>", 120,  480, 2000, 300,  1},
        {"Go",       ui::Kind::Button,  "&Go",              120,  900, 1000, 400,  2},
    };
    static constexpr ui::MenuItemDef kItems[] = {{"mExit", "E&xit <now>", ui::shortcut::ctrl('Q')}};
    static constexpr ui::MenuDef kMenus[] = {{"mFile", "&File", kItems}};
    static constexpr ui::WindowDef kWindow{.name = "Test", .caption = "Me & <you>", .width = 2400, .height = 1500,
                                           .border = ui::Border::FixedSingle, .controls = kControls, .menus = kMenus};
    std::string css;
    const std::string html = ui::web::toHtml(ui::web::windowMarkup(kWindow), css);
    const char* fragments[] = {
        R"(<span class="caption" id="Test-caption">Me &amp; &lt;you&gt;</span>)",
        R"(aria-label="Me &amp; &lt;you&gt;")",
        R"(>Fish <span class="word">&amp;</span> <span class="word">&lt;chips&gt;?</span></div>)",
        R"(value="&quot;quoted&quot; &amp; &lt;b&gt;")",
        R"(data-access-key="g" data-name="Go"><span class="button-caption"><u>G</u>o</span></button>)",
        R"(<span class="item-caption">E<u>x</u>it &lt;now&gt;</span>)",
    };
    for (const char* fragment : fragments)
        test::expectEqual("in the window's HTML: "s + fragment, html.find(fragment) != std::string::npos, true);
    test::expectEqual("no style attribute in the HTML", html.find("style=") == std::string::npos, true);
}

}  // namespace

int main()
{
    textsAreEscaped();
    captionsAsThePageDrawsThem();
    windowTextsStayText();
    return test::summary();
}
