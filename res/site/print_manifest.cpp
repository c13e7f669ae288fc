// Prints the site's web app manifest (manifest.webmanifest) from the site's record.

#include <cstdio>
#include <string>

#include "res/site/site_record.h"

namespace {

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string hex(yarno::icon::Rgb c)
{
    constexpr char digits[] = "0123456789abcdef";
    std::string text = "#";
    for (const int part : {c.r, c.g, c.b}) {
        text += digits[part / 16];
        text += digits[part % 16];
    }
    return quoted(text);
}

}  // namespace

int main()
{
    using namespace yarno::site;
    std::string list;
    for (const SiteIcon& icon : icons) {
        if (!icon.inManifest)
            continue;
        const std::string size = std::to_string(icon.size);
        list += std::string(list.empty() ? "" : ",") + "\n    {\"src\": " + quoted(icon.file) + ", \"sizes\": \"" + size
            + "x" + size + "\", \"type\": \"image/png\", \"purpose\": " + quoted(icon.padded ? "maskable" : "any") + "}";
    }
    const std::string manifest = "{\n"
                                 "  \"id\": \"./\",\n"
                                 "  \"name\": " + quoted(name) + ",\n"
                                 "  \"short_name\": " + quoted(name) + ",\n"
                                 "  \"description\": " + quoted(summary) + ",\n"
                                 "  \"lang\": \"en\",\n"
                                 "  \"start_url\": \"./\",\n"
                                 "  \"scope\": \"./\",\n"
                                 "  \"display\": \"standalone\",\n"
                                 "  \"background_color\": " + hex(background) + ",\n"
                                 "  \"theme_color\": " + hex(theme) + ",\n"
                                 "  \"icons\": [" + list + "\n  ]\n"
                                 "}\n";
    std::fputs(manifest.c_str(), stdout);
    return 0;
}
