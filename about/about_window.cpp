#include "about/about_window.h"

#include "ui/form.h"
#include "ui/runtime.h"

namespace about {

void Label3_Click(ui::Form& form)
{
    form.runtime().messageBox("Don't copy!");
}

}  // namespace about
