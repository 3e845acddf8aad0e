// The address behind "Go to Orvanta website".
#pragma once

#include <QUrl>

namespace orvanta {

// The configured address; when that is the user guide as installed and the
// program runs from somewhere else (the build tree, a moved installation),
// the copy of the guide that is actually there, so the link works offline.
QUrl websiteUrl();

} // namespace orvanta
