#include "ui/checks.h"

#include <cstdio>
#include <cstdlib>

namespace ui {

void definitionError(const char* why)
{
    // Only reachable from a definition checked at run time rather than at compile time.
    std::fprintf(stderr, "broken window definition: %s\n", why);
    std::abort();
}

}  // namespace ui
