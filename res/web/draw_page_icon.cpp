// Draws the page's icon, for its tab and its windows' title bars: the icon's description at 32
// pixels, smoothed, as a PNG file.
// Usage: yarno_page_icon FILE

#include <cstdio>
#include <fstream>
#include <string>

#include "res/icon_raster.h"
#include "res/png_writer.h"

int main(int argc, char** argv)
{
    using namespace yarno;
    if (argc != 2) {
        std::fputs("usage: yarno_page_icon FILE\n", stderr);
        return 1;
    }
    const std::string bytes = icon::pngFile(icon::smoothPixels(32));
    std::ofstream file(argv[1], std::ios::binary);
    if (!file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
        std::fprintf(stderr, "yarno_page_icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
