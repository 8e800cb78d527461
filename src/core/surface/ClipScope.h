#pragma once

#include <utility>
#include <vector>

#include "core/surface/RasterSurface.h"

namespace pr {

// Drawing reaches only the clip while a paint runs, however the handler ends.
class ClipScope {
 public:
  ClipScope(RasterSurface& surface, std::vector<PixelRect> clip) : surface_(surface) {
    surface_.SetClip(std::move(clip));
  }
  ~ClipScope() { surface_.ClearClip(); }
  ClipScope(const ClipScope&) = delete;
  ClipScope& operator=(const ClipScope&) = delete;

 private:
  RasterSurface& surface_;
};

}  // namespace pr
