#pragma once

#include "engine/geodesy/ntv2_grid.h"

namespace varnel {

// IGN's official ED50 to ETRS89 grid for mainland Spain and the Balearic
// Islands (SPED2ETV2, EPSG:15932; data/SPED2ETV2.gsb), built into the program:
// subgrids PENINSUL and BALEARES. IGN data, CC BY 4.0.
const RejillaNtv2& RejillaSped2etv2();

}  // namespace varnel
