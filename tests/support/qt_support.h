// Helpers the Qt-based test suites share: files on disk, objects found by
// name, and the HTML document a run gives, written out by hand.
#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

namespace orvanta::test_support {

// Writes `bytes` to `path`, making the folders on the way; false if the file
// cannot be written in full.
[[nodiscard]] bool writeFile(const QString &path, const QByteArray &bytes);

// The bytes of the file at `path`; empty if it cannot be read.
QByteArray readFile(const QString &path);

// Puts the two dictionaries the program looks for into `folder`/data, as a
// folder the program runs in would hold them.
[[nodiscard]] bool writeDictionaries(const QString &folder, const QByteArray &british,
                                     const QByteArray &american);

// The object called `name` below `parent`. A missing one ends the test run:
// the forms' object names are fixed, so a miss is a fault of the form.
template <typename T> T *child(const QObject *parent, const char *name) {
    T *object = parent->findChild<T *>(QLatin1String(name));
    if (!object)
        qFatal("no object %s", name);
    return object;
}

struct Paragraph {
    QString original;  // as the document holds it: HTML-escaped
    QString rendering; // the transcription in its brackets
};

// The whole HTML document that the window and `orvanta-transcribe -f html`
// give for these paragraphs: the fixed frame and one paragraph per sentence.
QString htmlDocument(const QList<Paragraph> &paragraphs);

} // namespace orvanta::test_support
