#include "ui/fonts.h"

#include <QFont>

namespace orvanta {

void registerFontSubstitutes() {
    QFont::insertSubstitution(QStringLiteral("Lucida Sans Unicode"), QStringLiteral("DejaVu Sans"));
}

} // namespace orvanta
