// The address behind "Go to Orvanta website".
#pragma once

#include <QUrl>

namespace orvanta {

// The address configured at build time; by default the user guide, taken
// from the data folders the dictionaries are found in, so the link works
// offline from the build tree, an installation and a moved installation alike.
QUrl websiteUrl();

} // namespace orvanta
