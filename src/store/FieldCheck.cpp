#include "store/FieldCheck.h"

#include "store/ValueFile.h"

namespace velmora::store {

std::string FieldCheck::storable(std::string_view label, std::string_view text) {
    if (ValueFile::isStorableText(text)) return {};
    return "Το πεδίο «" + std::string(label) +
           "» περιέχει χαρακτήρες που δεν μπορούν να αποθηκευτούν: σύμβολα εκτός των ελληνικών "
           "και λατινικών χαρακτήρων, ή εισαγωγικά μαζί με κόμμα. Διορθώστε το και δοκιμάστε "
           "ξανά.";
}

} // namespace velmora::store
