#pragma once

#include "page/PageForm.h"

namespace pr::page {

// The form the page opened (pr_open), for the module's other entry points.
PageForm& OpenForm();

}  // namespace pr::page
