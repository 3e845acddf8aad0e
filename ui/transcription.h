// A transcription run of the window: the dictionaries it reads afresh each
// time, the engine's options, and what went wrong on the way.
#pragma once

#include "document/document.h"
#include "engine/lexicon/dictionary.h"
#include "engine/lexicon/guess_model.h"
#include "engine/transcription_engine.h"
#include "ui/pronunciationdialog.h"

#include <QCoreApplication>
#include <QString>

#include <map>
#include <memory>
#include <optional>

class Transcription {
    Q_DECLARE_TR_FUNCTIONS(Transcription)

public:
    Transcription();

    struct Outcome {
        // False when `paragraph` stopped the run.
        bool finished = true;
        // Why the words may not be what the user expects (a dictionary
        // unreadable); empty when all went well.
        QString warning;
    };
    // Hands each sentence and its rendering to `paragraph` in turn. With no
    // variant given the last run's dictionary serves again. With `joinLines`
    // a line feed that only wraps a line of a paragraph is read as a space.
    Outcome run(const QString &text, std::optional<orvanta::Variant> variant, bool weakForms,
                bool cyrillic, bool joinLines, const orvanta::ParagraphSink &paragraph);

    // Gives a word's transcription in `variant` as a run would make it, in
    // IPA, or an empty string when the run leaves it untranscribed. The
    // dictionaries are read once, when it is made.
    PronunciationDialog::Transcriber transcriberFor(orvanta::Variant variant) const;

    QString britishDictionaryPath;
    QString americanDictionaryPath;
    // Words no dictionary holds are guessed, in runs and in the words the
    // transcribers give.
    bool guessUnknownWords = true;

private:
    // The letter-to-sound model beside a dictionary file, read on the first
    // word that needs it and kept for the window's life.
    const orvanta::GuessModel *modelFor(const QString &dictionaryPath) const;

    mutable std::map<QString, std::unique_ptr<orvanta::GuessModel>> models;
    // Models whose failure the user has been told of, once each.
    std::map<const orvanta::GuessModel *, bool> reported;
    // The dictionary and options of the last run.
    orvanta::PronunciationDictionary dictionary;
    // The user's own pronunciations of the run's variant, looked up first.
    std::optional<orvanta::PronunciationDictionary> userDictionary;
    orvanta::EngineOptions options;
};
