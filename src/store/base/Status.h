#pragma once

#include "store/base/Result.h"

namespace velmora::store {

// Outcome of an operation that touches the disk: done, or why not.
using Status = Result<void>;

} // namespace velmora::store
