// Dotted network addresses (192.168.0.1): four numbers up to 255 joined by
// full stops, said digit by digit with "dot" between them, as people read
// them out; as decimals they would be nonsense.

#include "engine/reading/numeric.h"

namespace orvanta::numbers {

std::size_t readIpAddress(Scan &s, std::size_t pos) {
    std::size_t i = pos;
    for (int group = 0; group < 4; ++group) {
        if (group > 0) {
            if (i >= s.text.size() || s.text[i] != u'.')
                return npos;
            ++i;
        }
        const std::size_t e = digitsEnd(s.text, i);
        if (e == i || e - i > 3 || s.number(i, e) > 255)
            return npos;
        i = e;
    }
    if (!boundaryAt(s.text, i) ||
        (i + 1 < s.text.size() && s.text[i] == u'.' && isDigit(s.text[i + 1])))
        return npos;
    for (std::size_t k = pos; k < i; ++k) {
        if (s.text[k] == u'.')
            s.speech.say(u"dot");
        else
            s.speech.digit(s.text[k], u"zero");
    }
    return i;
}

} // namespace orvanta::numbers
