#include "ui/symbols.h"

#include "document/utf16.h"

#include <QCoreApplication>

#include <string_view>

namespace orvanta {

namespace {

struct SymbolInfo {
    std::u16string_view symbol;
    const char *name;
    // Example word and its transcription in each variant; an American
    // example left empty means that American transcriptions write
    // `americanInstead` where British ones write the symbol.
    const char *britishWord;
    std::u16string_view britishIpa;
    const char *americanWord;
    std::u16string_view americanIpa;
    std::u16string_view americanInstead = {};
};

constexpr SymbolInfo symbols[] = {
    {u"θ", QT_TRANSLATE_NOOP("MainWindow", "voiceless th"), "thin", u"θɪn", "thin", u"θɪn"},
    {u"ð", QT_TRANSLATE_NOOP("MainWindow", "voiced th"), "this", u"ðɪs", "this", u"ðɪs"},
    {u"ʃ", QT_TRANSLATE_NOOP("MainWindow", "sh sound"), "ship", u"ʃɪp", "ship", u"ʃɪp"},
    {u"ʒ", QT_TRANSLATE_NOOP("MainWindow", "zh sound"), "measure", u"ˈmeʒə", "measure", u"ˈmeʒər"},
    {u"tʃ", QT_TRANSLATE_NOOP("MainWindow", "ch sound"), "chin", u"tʃɪn", "chin", u"tʃɪn"},
    {u"dʒ", QT_TRANSLATE_NOOP("MainWindow", "j sound"), "jam", u"dʒæm", "jam", u"dʒæm"},
    {u"ŋ", QT_TRANSLATE_NOOP("MainWindow", "ng sound"), "sing", u"sɪŋ", "sing", u"sɪŋ"},
    {u"ɡ", QT_TRANSLATE_NOOP("MainWindow", "hard g (the IPA letter, not the keyboard's g)"), "go",
     u"ɡəʊ", "go", u"ɡoʊ"},
    {u"ɪ", QT_TRANSLATE_NOOP("MainWindow", "short i"), "sit", u"sɪt", "sit", u"sɪt"},
    {u"æ", QT_TRANSLATE_NOOP("MainWindow", "short a"), "cat", u"kæt", "cat", u"kæt"},
    {u"ɒ", QT_TRANSLATE_NOOP("MainWindow", "short o"), "hot", u"hɒt", nullptr, {}, u"ɑː"},
    {u"ʌ", QT_TRANSLATE_NOOP("MainWindow", "short u"), "cup", u"kʌp", "cup", u"kʌp"},
    {u"ʊ", QT_TRANSLATE_NOOP("MainWindow", "short oo"), "put", u"pʊt", "put", u"pʊt"},
    {u"ə", QT_TRANSLATE_NOOP("MainWindow", "schwa, the weak vowel"), "about", u"əˈbaʊt", "about",
     u"əˈbaʊt"},
    {u"iː", QT_TRANSLATE_NOOP("MainWindow", "long ee"), "see", u"siː", "see", u"siː"},
    {u"ɑː", QT_TRANSLATE_NOOP("MainWindow", "long ah"), "father", u"ˈfɑːðə", "father", u"ˈfɑːðər"},
    {u"ɔː", QT_TRANSLATE_NOOP("MainWindow", "long aw"), "saw", u"sɔː", "saw", u"sɔː"},
    {u"uː", QT_TRANSLATE_NOOP("MainWindow", "long oo"), "too", u"tuː", "too", u"tuː"},
    {u"ɜː", QT_TRANSLATE_NOOP("MainWindow", "long er"), "bird", u"bɜːd", "bird", u"bɜːrd"},
    {u"eɪ", QT_TRANSLATE_NOOP("MainWindow", "diphthong ay"), "day", u"deɪ", "day", u"deɪ"},
    {u"aɪ", QT_TRANSLATE_NOOP("MainWindow", "diphthong eye"), "my", u"maɪ", "my", u"maɪ"},
    {u"ɔɪ", QT_TRANSLATE_NOOP("MainWindow", "diphthong oy"), "boy", u"bɔɪ", "boy", u"bɔɪ"},
    {u"əʊ", QT_TRANSLATE_NOOP("MainWindow", "diphthong oh"), "go", u"ɡəʊ", nullptr, {}, u"oʊ"},
    {u"oʊ", QT_TRANSLATE_NOOP("MainWindow", "diphthong oh"), "go", u"ɡəʊ", "go", u"ɡoʊ"},
    {u"aʊ", QT_TRANSLATE_NOOP("MainWindow", "diphthong ow"), "now", u"naʊ", "now", u"naʊ"},
    {u"ɪə", QT_TRANSLATE_NOOP("MainWindow", "diphthong ear"), "near", u"nɪə", nullptr, {}, u"ɪr"},
    {u"eə", QT_TRANSLATE_NOOP("MainWindow", "diphthong air"), "hair", u"heə", nullptr, {}, u"er"},
    {u"ʊə", QT_TRANSLATE_NOOP("MainWindow", "diphthong oor"), "tour", u"tʊə", nullptr, {}, u"ʊr"},
    {u"ˈ", QT_TRANSLATE_NOOP("MainWindow", "primary stress, before the stressed syllable"), "about",
     u"əˈbaʊt", "about", u"əˈbaʊt"},
    {u"ˌ", QT_TRANSLATE_NOOP("MainWindow", "secondary stress"), "understand", u"ˌʌndəˈstænd",
     "understand", u"ˌʌndərˈstænd"},
};

const SymbolInfo *find(const QString &symbol) {
    for (const SymbolInfo &info : symbols) {
        if (QStringView(info.symbol) == symbol)
            return &info;
    }
    return nullptr;
}

QString view(std::u16string_view text) {
    return orvanta::toQString(text);
}

} // namespace

QString symbolToolTip(const QString &symbol, bool american) {
    const SymbolInfo *info = find(symbol);
    if (!info)
        return {};
    const QString name = QCoreApplication::translate("MainWindow", info->name);
    // The British-only symbols: the American dictionary writes "go" as ɡoʊ,
    // and the British one never writes oʊ.
    if (american && !info->americanWord) {
        return QCoreApplication::translate(
                   "MainWindow", "%1  %2; American transcriptions mostly write %3 instead (British "
                                 "“%4” [%5])")
            .arg(symbol, name, view(info->americanInstead), QString::fromLatin1(info->britishWord),
                 view(info->britishIpa));
    }
    if (!american && info->symbol == u"oʊ") {
        return QCoreApplication::translate(
                   "MainWindow", "%1  %2; British transcriptions write əʊ instead (American "
                                 "“%3” [%4])")
            .arg(symbol, name, QString::fromLatin1(info->americanWord), view(info->americanIpa));
    }
    const char *word = american ? info->americanWord : info->britishWord;
    const std::u16string_view ipa = american ? info->americanIpa : info->britishIpa;
    return QCoreApplication::translate("MainWindow", "%1  %2, as in “%3” [%4]")
        .arg(symbol, name, QString::fromLatin1(word), view(ipa));
}

bool variantWritesSymbol(const QString &symbol, bool american) {
    const SymbolInfo *info = find(symbol);
    if (!info)
        return false;
    if (info->symbol == u"oʊ")
        return american;
    return !american || info->americanWord;
}

} // namespace orvanta
