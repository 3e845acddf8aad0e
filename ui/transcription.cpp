#include "ui/transcription.h"

#include "document/data_location.h"
#include "document/utf16.h"

#include <QDir>
#include <QFile>

#include <memory>

Transcription::Transcription()
    : britishDictionaryPath(QString::fromLatin1(orvanta::britishDictionaryFile)),
      americanDictionaryPath(QString::fromLatin1(orvanta::americanDictionaryFile)) {}

Transcription::Outcome Transcription::run(const QString &text,
                                          std::optional<orvanta::Variant> variant, bool weakForms,
                                          bool cyrillic, bool joinLines,
                                          const orvanta::ParagraphSink &paragraph) {
    QString requested;
    QString variantName;
    if (variant) {
        options.variant = *variant;
        const bool british = *variant == orvanta::Variant::British;
        requested = british ? britishDictionaryPath : americanDictionaryPath;
        variantName = british ? tr("British") : tr("American");
    }

    // Read afresh on every run, so that an edited file counts at once.
    QString unreadable;
    if (!requested.isEmpty()) {
        const QString path = orvanta::locateDataFile(requested);
        options.guessModel = modelFor(path);
        orvanta::DictionaryLoad load =
            orvanta::PronunciationDictionary::load(QFile::encodeName(path).toStdString());
        if (!load.ok())
            unreadable = path;
        dictionary = std::move(load.dictionary);
    }
    // The user's own pronunciations are read afresh too: they may have been
    // edited since, here or in a text editor.
    QString userError;
    const QString userPath = orvanta::userDictionaryPath(options.variant);
    if (!requested.isEmpty())
        userDictionary = orvanta::loadUserLayer(userPath, &userError);

    options.weakForms = weakForms;
    options.guessUnknownWords = guessUnknownWords;
    const orvanta::TranscriptionEngine engine(dictionary,
                                              userDictionary ? &*userDictionary : nullptr, options);
    Outcome outcome;
    outcome.finished =
        orvanta::transcribeReadParagraphs(engine, text, cyrillic, joinLines, paragraph);

    // Without its dictionary every word comes back in parentheses, which looks
    // like a result unless the user is told why.
    if (!unreadable.isEmpty()) {
        outcome.warning =
            tr("Could not read the %1 dictionary \"%2\": words are shown untranscribed, in "
               "parentheses.")
                .arg(variantName, unreadable);
    } else if (!userError.isEmpty()) {
        outcome.warning = tr("Could not read your own pronunciations \"%1\" (%2): the shipped "
                             "dictionary was used alone.")
                              .arg(QDir::toNativeSeparators(userPath), userError);
    } else if (options.guessModel != nullptr && !options.guessModel->error().empty() &&
               !reported[options.guessModel]) {
        reported[options.guessModel] = true;
        outcome.warning =
            tr("Could not read the letter-to-sound model \"%1\" (%2): words that no dictionary "
               "holds and that are not made of known words are shown in parentheses.")
                .arg(
                    QDir::toNativeSeparators(QFile::decodeName(options.guessModel->path().c_str())),
                    QString::fromLocal8Bit(options.guessModel->error()));
    }
    return outcome;
}

PronunciationDialog::Transcriber Transcription::transcriberFor(orvanta::Variant variant) const {
    struct Dictionaries {
        orvanta::PronunciationDictionary shipped;
        std::optional<orvanta::PronunciationDictionary> user;
    };
    auto dictionaries = std::make_shared<Dictionaries>();
    const QString path = orvanta::locateDataFile(
        variant == orvanta::Variant::British ? britishDictionaryPath : americanDictionaryPath);
    dictionaries->shipped =
        orvanta::PronunciationDictionary::load(QFile::encodeName(path).toStdString()).dictionary;
    dictionaries->user = orvanta::loadUserLayer(orvanta::userDictionaryPath(variant));
    orvanta::EngineOptions options{variant};
    options.guessUnknownWords = guessUnknownWords;
    options.guessModel = modelFor(path);
    return [dictionaries, options](const QString &key) {
        const orvanta::TranscriptionEngine engine(
            dictionaries->shipped, dictionaries->user ? &*dictionaries->user : nullptr, options);
        std::u16string code = engine.transcribeWord(key.toStdU16String());
        // A word the run guessed starts from that guess.
        if (!code.empty() && code.front() == u'(' && options.guessUnknownWords)
            code = engine.guessWord(orvanta::toLowerAscii(key.toStdU16String()));
        if (code.empty() || code.front() == u'(')
            return QString();
        return orvanta::toQString(engine.renderIpa(code));
    };
}

const orvanta::GuessModel *Transcription::modelFor(const QString &dictionaryPath) const {
    const std::string path =
        orvanta::letterToSoundPathFor(QFile::encodeName(dictionaryPath).toStdString());
    std::unique_ptr<orvanta::GuessModel> &model = models[QFile::decodeName(path.c_str())];
    if (!model)
        model = std::make_unique<orvanta::GuessModel>(path);
    return model.get();
}
