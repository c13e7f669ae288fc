#include "stories/lottery_window.h"

namespace stories::lottery {

void Command1_Click(ui::Form& form) { submit(form, kStory); }
void new_Click(ui::Form& form) { clear(form, kStory); }

}  // namespace stories::lottery
