#pragma once

namespace orvanta {
enum class Variant { British, American };
}
