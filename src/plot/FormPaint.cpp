#include "plot/FormPaint.h"

#include "app/Form.h"
#include "plot/DrawPlotBackground.h"

namespace pr {

void Form_Paint(Form& form) { DrawPlotBackground(form.Canvas()); }

}  // namespace pr
