#include "stories/sport_window.h"

namespace stories::sport {

void Command1_Click(ui::Form& form) { submit(form, kStory); }
void mNew_Click(ui::Form& form) { clear(form, kStory); }

}  // namespace stories::sport
