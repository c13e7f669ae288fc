// Prints, for the page's build, the sizes its style draws with that the flow's query counts on
// (page_style.h): every page carries them, whichever program it holds.

#include <cstdio>

#include "ui/web/page_style.h"

int main()
{
    std::fputs(ui::web::pageStyle().c_str(), stdout);
    return 0;
}
