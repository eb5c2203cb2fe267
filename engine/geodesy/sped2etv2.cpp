#include "engine/geodesy/sped2etv2.h"

#include <cstddef>

namespace varnel {
namespace {

// kSped2etv2 and kSped2etv2Bytes: the file's bytes, written by cmake/embed_grid.cmake
// once the file's SHA-256 matched. One literal of 750 KB: both compilers
// take it, clang only warns that the standard does not promise it.
#if defined(__clang__)
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Woverlength-strings"
#endif
#include "sped2etv2_bytes.inc"
#if defined(__clang__)
#pragma clang diagnostic pop
#endif

constexpr RejillaNtv2 kRejilla = LeerRejillaNtv2({kSped2etv2, kSped2etv2Bytes});
static_assert(kRejilla.valida, "data/SPED2ETV2.gsb is not a grid this program reads");
static_assert(kRejilla.cuantas == 2 && kRejilla.subrejillas[0].nombre == "PENINSUL" &&
                  kRejilla.subrejillas[1].nombre == "BALEARES",
              "data/SPED2ETV2.gsb lacks one of its subgrids");

}  // namespace

const RejillaNtv2& RejillaSped2etv2() { return kRejilla; }

}  // namespace varnel
