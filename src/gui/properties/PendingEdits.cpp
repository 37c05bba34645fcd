#include "gui/properties/PendingEdits.h"

#include "core/tree/ConnectionTree.h"

namespace skelder {

void PendingEdits::set(bool pending) {
  pending_ = pending && !tree_.loading();
  emit changed(pending_);
}

}  // namespace skelder
