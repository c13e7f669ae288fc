// Prints, for the page's build, the sizes its style draws with that the flow's query counts on
// (markup.h's pageStyle): every page carries them, whichever program it holds.

#include <cstdio>

#include "ui/web/markup.h"

int main()
{
    std::fputs(ui::web::pageStyle().c_str(), stdout);
    return 0;
}
