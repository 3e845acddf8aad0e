// Signs said as words (&, +, %, §, °) and the pause marks.

#include "engine/reading/reader.h"

namespace orvanta::reading {

std::size_t readSignAt(Reading &r, std::size_t i) {
    const char16_t c = narrowed(r.sentence[i]);
    const char16_t next = i + 1 < r.sentence.size() ? r.sentence[i + 1] : u' ';
    switch (c) {
    case u'&':
        r.emit(u"and");
        break;
    case u'+':
        r.emit(u"plus");
        break;
    case u'=':
        r.emit(u"equals");
        break;
    case u'@':
        r.emit(u"at");
        break;
    case u'#':
        r.emit(isDigit(next) ||
                       (next == u' ' && i + 2 < r.sentence.size() && isDigit(r.sentence[i + 2]))
                   ? u"number"
                   : u"hash");
        break;
    case u'%':
        r.emit(u"percent");
        break;
    case 0xB0:
        r.emit(u"degrees");
        break;
    case 0xA7:
        r.emit(u"section");
        break;
    case 0xB6:
        r.emit(u"paragraph");
        break;
    case 0xD7:
        r.emit(u"times");
        break;
    case 0xB1:
        r.emit(u"plus or minus");
        break;
    case u'.':
        // An ellipsis is a pause, like the full stop.
        r.emitPause(u'.');
        break;
    default:
        if (isPauseMark(c))
            r.emitPause(c);
        else if (isDashLike(c) || (c == u'-' && next == u'-'))
            r.emitPause(u',');
        break;
    }
    return i + 1;
}

} // namespace orvanta::reading
