// "Set Pronunciation": the user types how a word is said, in IPA, and saves
// it to their own dictionary for the chosen variant.
#pragma once

#include "document/user_dictionary.h"

#include <QDialog>
#include <QString>

#include <functional>

namespace Ui {
class PronunciationDialog;
}

class PronunciationDialog : public QDialog {
    Q_OBJECT

public:
    // Gives the word's transcription as the program makes it now (IPA), or
    // an empty string when it has none.
    using Transcriber = std::function<QString(const QString &key)>;

    // The entry is saved to the user dictionary file `dictionaryPath`, which
    // holds the pronunciations of `variant`.
    PronunciationDialog(const QString &dictionaryPath, orvanta::Variant variant,
                        Transcriber transcriber, QWidget *parent = nullptr);
    ~PronunciationDialog() override;

    // Fills in the word and, when the program transcribes it, that
    // transcription as a start for the user's own.
    void setWord(const QString &word);
    void setIpa(const QString &ipa);

    // What would be saved: the dictionary key and the phonetic code, both
    // empty while the word or the IPA is not valid.
    QString key() const;
    QString code() const;

public slots:
    void accept() override;

protected:
    void changeEvent(QEvent *e) override;

private slots:
    void on_lineWord_textChanged(const QString &text);
    void on_lineIpa_textChanged(const QString &text);
    void insertIpaSymbol();

private:
    void updateCurrent();
    void updatePreview();
    void showLocation();

    Ui::PronunciationDialog *ui;
    QString dictionaryPath;
    orvanta::Variant variant;
    Transcriber transcriber;
};
