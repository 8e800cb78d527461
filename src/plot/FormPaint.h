#pragma once

namespace pr {
class Form;

// Handler of Form1's Paint event: the plot background, nothing else.
void Form_Paint(Form& form);

}  // namespace pr
