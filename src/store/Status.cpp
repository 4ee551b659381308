#include "store/Status.h"

#include <new>

namespace velmora::store {

Status Status::failure(std::string message) {
    Status s;
    s.ok_ = false;
    s.message_ = std::move(message);
    return s;
}

Status Status::unexpected(std::exception_ptr exception) {
    const std::string notDone = "· η εργασία δεν ολοκληρώθηκε. Τα αρχεία της μελέτης έμειναν "
                                "ολόκληρα, το καθένα όπως ήταν πριν ή όπως γράφτηκε.";
    try {
        std::rethrow_exception(exception);
    } catch (const std::bad_alloc&) {
        return failure("Η μνήμη δεν επαρκεί" + notDone);
    } catch (const std::exception& error) {
        return failure(std::string("Απρόβλεπτο σφάλμα (") + error.what() + ")" + notDone);
    } catch (...) {
    }
    return failure("Απρόβλεπτο σφάλμα" + notDone);
}

} // namespace velmora::store
