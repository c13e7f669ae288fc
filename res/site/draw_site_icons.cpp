// Draws the site's icons (site_record.h) into a folder, as PNG files.
// Usage: yarno_site_icons OUTPUT_DIR

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "res/png_writer.h"
#include "res/site/site_record.h"

int main(int argc, char** argv)
{
    using namespace yarno;
    if (argc != 2) {
        std::fputs("usage: yarno_site_icons OUTPUT_DIR\n", stderr);
        return 1;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    for (const site::SiteIcon& icon : site::icons) {
        // The picture in the middle 80 %; both margins the same, so it sits in the centre.
        int inner = icon.size * 4 / 5;
        inner -= (icon.size - inner) % 2;
        const icon::Pixels picture = icon.padded ? icon::onBackground(icon.size, inner, site::background)
                                                 : icon::smoothPixels(icon.size);
        const std::string bytes = icon::pngFile(picture);
        std::ofstream file(folder / icon.file, std::ios::binary);
        if (!file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
            std::fprintf(stderr, "yarno_site_icons: cannot write %s\n", (folder / icon.file).c_str());
            return 1;
        }
    }
    return 0;
}
