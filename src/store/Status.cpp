#include "store/Status.h"

namespace velmora::store {

Status Status::failure(std::string message) {
    Status s;
    s.ok_ = false;
    s.message_ = std::move(message);
    return s;
}

} // namespace velmora::store
