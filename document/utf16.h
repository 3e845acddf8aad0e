// Text crossing between the engine (std::u16string) and Qt (QString).
#pragma once

#include <QString>
#include <string_view>

namespace orvanta {

// The code units as they are. QString::fromStdU16String and fromUtf16 take a
// leading U+FEFF or U+FFFE for a byte order mark: they drop the first and
// byte-swap everything after the second, so a sentence or symbol that
// happens to begin with either would lose it or come out garbled.
inline QString toQString(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar *>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

} // namespace orvanta
