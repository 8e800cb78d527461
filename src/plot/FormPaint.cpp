#include "plot/FormPaint.h"

#include "core/form/Form.h"
#include "plot/DrawPlotBackground.h"

namespace pr {

void Form_Paint(Form& form) { DrawPlotBackground(form.Canvas()); }

}  // namespace pr
