#include "types/hexa_codec.h"

#include "types/C_StringType.h"

namespace vek::hexa {

// The typed strings' alphabet check, sixteen characters at a time.
bool valid(std::string_view text) noexcept { return C_StringType::InAlphabet(text, C_StringType::kHexadecimal); }

}  // namespace vek::hexa
