// The user's own pronunciations: one file per variant in the user's data
// folder, in the shipped dictionaries' format (ignored TAB word TAB phonetic
// code per line), consulted before the shipped dictionary.
#pragma once

#include "engine/lexicon/dictionary.h"
#include "engine/transcription_engine.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace orvanta {

// The folder that holds the user's files, e.g. ~/.local/share/orvanta. The
// window and orvanta-transcribe are different programs and must find the
// same files, so the folder does not depend on the application's name.
QString userDataFolder();
// userDataFolder() + "/user-british.txt" or "/user-american.txt".
QString userDictionaryPath(Variant variant);

// The user dictionary at `path` as an engine's user layer: nothing when the
// file does not exist (the user has set no pronunciation yet); nothing, with
// `error` saying why, when it exists but cannot be read.
std::optional<PronunciationDictionary> loadUserLayer(const QString &path, QString *error = nullptr);

// The key under which `word` is looked up, as a sentence's word is: A-Z
// folded, hyphens dropped (the text normaliser drops them too). Empty, with
// `error` saying why, when the word could never be met in a text: empty, more
// than one word, or holding a character that sentences lose.
QString userDictionaryKey(const QString &word, QString *error = nullptr);

// Typed IPA -> phonetic code for a user entry: white space around it and one
// enclosing pair of /slashes/ or [brackets] are ignored. Empty, with `error`
// naming the offending symbol, when the IPA cannot be written in the code or
// holds no sound.
QString pronunciationFromIpa(const QString &ipa, QString *error = nullptr);

// Phonetic code -> IPA, as the result shows it.
QString ipaFromPronunciation(const QString &code);

struct UserEntry {
    QString word; // the key
    QString code; // phonetic code
};

// One user dictionary file, edited in memory and saved whole. Lines that are
// not entries (notes the user typed by hand) are kept as they are.
class UserDictionary {
public:
    // Reads `path`. A file that does not exist yet is an empty dictionary;
    // one that exists but cannot be read returns false with `error` set and
    // leaves the dictionary empty.
    bool load(const QString &path, QString *error = nullptr);
    // Writes the file atomically (QSaveFile), creating its folder.
    bool save(QString *error = nullptr) const;

    QString path() const { return path_; }
    // The entries in effect (the last line for a word wins, as in the
    // shipped dictionaries), sorted by word; empty transcriptions are left
    // out since they count as absent.
    QList<UserEntry> entries() const;
    // The code stored for `key`, or an empty string.
    QString codeOf(const QString &key) const;
    // Adds `key` or replaces its transcription in place.
    void set(const QString &key, const QString &code);
    // Removes every line for `key`; false if there was none.
    bool remove(const QString &key);

    QByteArray toBytes() const;

private:
    struct Line {
        QByteArray text; // without the line end
        QString key;     // empty for lines that are not entries
        QString code;
    };
    QString path_;
    QList<Line> lines_;
};

} // namespace orvanta
