#include "about/about_window.h"

#include "ui/form.h"

namespace about {

void Label3_Click(ui::Form& form)
{
    form.messageBox("Don't copy!");
}

}  // namespace about
