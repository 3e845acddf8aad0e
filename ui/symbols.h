// What the IPA symbol buttons tell the user about their symbols.
#pragma once

#include <QString>

namespace orvanta {

// "θ  voiceless th, as in “thin” [θɪn]": the symbol's name and an example word
// transcribed in the chosen variant; for a symbol that the variant does not
// write, what it writes instead. Empty for a symbol it does not know.
QString symbolToolTip(const QString &symbol, bool american);

// Whether transcriptions in the variant contain the symbol.
bool variantWritesSymbol(const QString &symbol, bool american);

} // namespace orvanta
