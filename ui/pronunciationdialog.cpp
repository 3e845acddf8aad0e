#include "ui/pronunciationdialog.h"

#include "ui_pronunciationdialog.h"

#include "document/user_dictionary.h"

#include <QDir>
#include <QMessageBox>
#include <QPushButton>

namespace {

// Every sound the phonetic code can hold, as the result writes it, with the
// diphthongs both variants use and the stress and length marks; plain
// letters are left to the keyboard.
struct SymbolButton {
    const char16_t *symbol;
    const char *description; // name and an example word, for the tooltip
};

constexpr SymbolButton symbolButtons[] = {
    {u"\u03B8", QT_TRANSLATE_NOOP("PronunciationDialog", "θ as in “thin”")},
    {u"\u00F0", QT_TRANSLATE_NOOP("PronunciationDialog", "ð as in “this”")},
    {u"\u0283", QT_TRANSLATE_NOOP("PronunciationDialog", "ʃ as in “ship”")},
    {u"\u0292", QT_TRANSLATE_NOOP("PronunciationDialog", "ʒ as in “measure”")},
    {u"t\u0283", QT_TRANSLATE_NOOP("PronunciationDialog", "tʃ as in “chin”")},
    {u"d\u0292", QT_TRANSLATE_NOOP("PronunciationDialog", "dʒ as in “jam”")},
    {u"\u014B", QT_TRANSLATE_NOOP("PronunciationDialog", "ŋ as in “sing”")},
    {u"\u0261", QT_TRANSLATE_NOOP("PronunciationDialog", "ɡ as in “go”")},
    {u"\u026A", QT_TRANSLATE_NOOP("PronunciationDialog", "ɪ as in “kit”")},
    {u"e", QT_TRANSLATE_NOOP("PronunciationDialog", "e as in “dress”")},
    {u"\u00E6", QT_TRANSLATE_NOOP("PronunciationDialog", "æ as in “trap”")},
    {u"\u0252", QT_TRANSLATE_NOOP("PronunciationDialog", "ɒ as in British “lot”")},
    {u"\u028C", QT_TRANSLATE_NOOP("PronunciationDialog", "ʌ as in “strut”")},
    {u"\u028A", QT_TRANSLATE_NOOP("PronunciationDialog", "ʊ as in “foot”")},
    {u"\u0259", QT_TRANSLATE_NOOP("PronunciationDialog", "ə as in “about”")},
    {u"i", QT_TRANSLATE_NOOP("PronunciationDialog", "i as in “happy”")},
    {u"i\u02D0", QT_TRANSLATE_NOOP("PronunciationDialog", "iː as in “fleece”")},
    {u"\u0251\u02D0", QT_TRANSLATE_NOOP("PronunciationDialog", "ɑː as in “palm”")},
    {u"\u0254\u02D0", QT_TRANSLATE_NOOP("PronunciationDialog", "ɔː as in “thought”")},
    {u"u\u02D0", QT_TRANSLATE_NOOP("PronunciationDialog", "uː as in “goose”")},
    {u"\u025C\u02D0", QT_TRANSLATE_NOOP("PronunciationDialog", "ɜː as in “nurse”")},
    {u"e\u026A", QT_TRANSLATE_NOOP("PronunciationDialog", "eɪ as in “face”")},
    {u"a\u026A", QT_TRANSLATE_NOOP("PronunciationDialog", "aɪ as in “price”")},
    {u"\u0254\u026A", QT_TRANSLATE_NOOP("PronunciationDialog", "ɔɪ as in “choice”")},
    {u"\u0259\u028A", QT_TRANSLATE_NOOP("PronunciationDialog", "əʊ as in British “goat”")},
    {u"o\u028A", QT_TRANSLATE_NOOP("PronunciationDialog", "oʊ as in American “goat”")},
    {u"a\u028A", QT_TRANSLATE_NOOP("PronunciationDialog", "aʊ as in “mouth”")},
    {u"\u026A\u0259", QT_TRANSLATE_NOOP("PronunciationDialog", "ɪə as in British “near”")},
    {u"e\u0259", QT_TRANSLATE_NOOP("PronunciationDialog", "eə as in British “square”")},
    {u"\u028A\u0259", QT_TRANSLATE_NOOP("PronunciationDialog", "ʊə as in British “cure”")},
    {u"\u02C8",
     QT_TRANSLATE_NOOP("PronunciationDialog", "ˈ primary stress, before the stressed syllable")},
    {u"\u02CC",
     QT_TRANSLATE_NOOP("PronunciationDialog", "ˌ secondary stress, before the syllable")},
    {u"\u02D0", QT_TRANSLATE_NOOP("PronunciationDialog", "ː length mark, after a vowel")},
};

constexpr int symbolsPerRow = 11;

} // namespace

PronunciationDialog::PronunciationDialog(const QString &dictionaryPath, orvanta::Variant variant,
                                         Transcriber transcriber, QWidget *parent)
    : QDialog(parent), ui(new Ui::PronunciationDialog), dictionaryPath(dictionaryPath),
      variant(variant), transcriber(std::move(transcriber)) {
    ui->setupUi(this);

    int index = 0;
    for (const SymbolButton &symbol : symbolButtons) {
        auto *button = new QPushButton(QString::fromUtf16(symbol.symbol), ui->widgetSymbols);
        button->setObjectName(QStringLiteral("btnIpaSymbol_%1").arg(index + 1));
        button->setFont(ui->lineIpa->font());
        button->setToolTip(tr(symbol.description));
        // The symbols are inserted, not the default action of the dialog.
        button->setAutoDefault(false);
        button->setMinimumWidth(32);
        connect(button, &QPushButton::clicked, this, &PronunciationDialog::insertIpaSymbol);
        ui->gridSymbols->addWidget(button, index / symbolsPerRow, index % symbolsPerRow);
        ++index;
    }
    showLocation();
    updateCurrent();
    updatePreview();
}

PronunciationDialog::~PronunciationDialog() {
    delete ui;
}

void PronunciationDialog::setWord(const QString &word) {
    ui->lineWord->setText(word);
}

void PronunciationDialog::setIpa(const QString &ipa) {
    ui->lineIpa->setText(ipa);
}

QString PronunciationDialog::key() const {
    return orvanta::userDictionaryKey(ui->lineWord->text());
}

QString PronunciationDialog::code() const {
    return orvanta::pronunciationFromIpa(ui->lineIpa->text());
}

void PronunciationDialog::changeEvent(QEvent *e) {
    QDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        const QList<QPushButton *> buttons = ui->widgetSymbols->findChildren<QPushButton *>();
        for (qsizetype i = 0; i < buttons.size() && i < qsizetype(std::size(symbolButtons)); ++i)
            buttons[i]->setToolTip(tr(symbolButtons[i].description));
        showLocation();
        updateCurrent();
        updatePreview();
    }
}

void PronunciationDialog::on_lineWord_textChanged(const QString &) {
    updateCurrent();
    updatePreview();
}

void PronunciationDialog::on_lineIpa_textChanged(const QString &) {
    updatePreview();
}

void PronunciationDialog::insertIpaSymbol() {
    const auto *button = qobject_cast<const QPushButton *>(sender());
    if (!button)
        return;
    ui->lineIpa->insert(button->text());
    ui->lineIpa->setFocus(Qt::OtherFocusReason);
}

void PronunciationDialog::showLocation() {
    // Said before anything is saved: what saving will do, not what it did.
    const QString where = QDir::toNativeSeparators(dictionaryPath);
    ui->lblLocation->setText(
        variant == orvanta::Variant::British
            ? tr("Saving keeps it for British pronunciation in %1, where it takes precedence "
                 "over the dictionary Orvanta comes with.")
                  .arg(where)
            : tr("Saving keeps it for American pronunciation in %1, where it takes precedence "
                 "over the dictionary Orvanta comes with.")
                  .arg(where));
}

void PronunciationDialog::updateCurrent() {
    const QString key = this->key();
    const QString current = key.isEmpty() || !transcriber ? QString() : transcriber(key);
    ui->lblCurrent->setText(current.isEmpty() ? tr("(not transcribed)") : current);
}

void PronunciationDialog::updatePreview() {
    QString wordError;
    const QString key = orvanta::userDictionaryKey(ui->lineWord->text(), &wordError);
    QString ipaError;
    const QString code = orvanta::pronunciationFromIpa(ui->lineIpa->text(), &ipaError);

    // The preview is what the result will show: the code rendered back.
    const QString error = !wordError.isEmpty() ? wordError : ipaError;
    QPalette palette = this->palette();
    if (error.isEmpty()) {
        ui->lblPreview->setText(orvanta::ipaFromPronunciation(code));
    } else {
        ui->lblPreview->setText(error);
        palette.setColor(QPalette::WindowText, QColor(0xB0, 0x00, 0x20));
    }
    ui->lblPreview->setPalette(palette);
    ui->buttonBox->button(QDialogButtonBox::Save)->setEnabled(error.isEmpty());
}

void PronunciationDialog::accept() {
    const QString key = this->key();
    const QString code = this->code();
    if (key.isEmpty() || code.isEmpty()) {
        updatePreview();
        return;
    }
    orvanta::UserDictionary dictionary;
    QString error;
    if (!dictionary.load(dictionaryPath, &error)) {
        QMessageBox::warning(this, windowTitle(),
                             tr("Could not read your dictionary %1: %2")
                                 .arg(QDir::toNativeSeparators(dictionaryPath), error));
        return;
    }
    dictionary.set(key, code);
    if (!dictionary.save(&error)) {
        QMessageBox::warning(this, windowTitle(),
                             tr("Could not save your dictionary %1: %2")
                                 .arg(QDir::toNativeSeparators(dictionaryPath), error));
        return;
    }
    QDialog::accept();
}
