// Feeds any bytes to the value-item reader and the number reading, and checks that what the
// writer stores for an item reads back as that item.

#include "store/text/NumberText.h"
#include "store/text/ValueItems.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using velmora::store::NumberText;
    using velmora::store::ValueItems;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const std::string& item : ValueItems::split(text)) {
        if (auto value = NumberText::parse(item)) {
            const std::string written = NumberText::general(*value, NumberText::kDoubleDigits);
            if (!NumberText::parse(written)) std::abort();
        }
        if (auto line = ValueItems::textLine(item)) {
            const auto back = ValueItems::split(*line + "\r\n");
            if (back.size() != 1 || back[0] != item) std::abort();
        }
    }
    return 0;
}
