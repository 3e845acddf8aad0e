// Where the program finds the files it ships with: the dictionaries and the
// user guide.
#pragma once

#include <QString>
#include <QStringList>

namespace orvanta {

inline constexpr char britishDictionaryFile[] = "data/velmor_eng_transcription.txt";
inline constexpr char americanDictionaryFile[] = "data/american_transcription-abridged.txt";
inline constexpr char userGuideFile[] = "docs/index.html";

// The folders searched for a shipped file, most preferred first, absolute and
// without duplicates: the current folder; the program's folder and
// ../share/orvanta beside it (a moved or prefixed installation); the data
// folder the program was installed to; and, only for a program that runs from
// the build tree it was built in, the source tree it was built from. Without
// an application object the program's own folder is unknown and only the
// current and installed folders are listed.
QStringList dataFolders();

enum class CurrentFolder { Search, Skip };

// `relativePath` (e.g. "data/velmor_eng_transcription.txt") as given when it
// exists relative to the current folder; otherwise the first existing copy in
// the other data folders; otherwise `relativePath` unchanged, so that the
// caller's failure names the file the user expects. Files that are only ever
// shipped, never the user's own, skip the current folder so that an unrelated
// file of the same name where the program was started cannot stand in for
// them.
QString locateDataFile(const QString &relativePath, CurrentFolder current = CurrentFolder::Search);
// The same for a program that lives in `programFolder`.
QString locateDataFile(const QString &relativePath, CurrentFolder current,
                       const QString &programFolder);

} // namespace orvanta
