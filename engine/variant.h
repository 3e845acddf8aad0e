// The pronunciation variants the program transcribes into.
#pragma once

namespace orvanta {

enum class Variant { British, American };

} // namespace orvanta
