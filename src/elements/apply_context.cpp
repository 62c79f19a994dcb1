#include "elements/apply_context.h"

namespace palvex::detail {

ApplyContext& applyContext() {
  static ApplyContext context;
  return context;
}

}  // namespace palvex::detail
