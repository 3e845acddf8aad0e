#include "engine/lexicon/word_formation.h"
#include "engine/transcription_engine.h"
#include "support.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

using test_support::dictionaryOf;
using test_support::Entries;

struct FormationCase {
    const char16_t *word;
    Entries dictionary;
    const char16_t *parts; // empty: the word is not formed
    const char16_t *code;
};

void expectFormations(Variant variant, std::initializer_list<FormationCase> cases) {
    for (const FormationCase &c : cases) {
        SCOPED_TRACE(test_support::narrow(c.word));
        const PronunciationDictionary dictionary = dictionaryOf(c.dictionary);
        const TranscriptionEngine engine(dictionary, EngineOptions{variant});
        const rules::Formation formed =
            rules::formWord(c.word, variant, rules::knownWordsOf(engine));
        EXPECT_EQ(formed.parts, c.parts);
        EXPECT_EQ(formed.code, c.code);
    }
}

// Transcriptions written out by hand: the stem's stress stays primary, a
// prefix like re- or over- takes a secondary one, a compound's second
// element is secondary, and the affixes bring their spelling changes.
TEST(WordFormation, BritishAffixesAndCompounds) {
    expectFormations(
        Variant::British,
        {
            {u"unkindness", {{"kind", "kaInd"}}, u"un- kind -ness", u"An'kaIndnqs"},
            {u"happiness", {{"happy", "'hxpi"}}, u"happy -ness", u"'hxpInqs"},
            {u"pitiful", {{"pity", "'pIti"}}, u"pity -ful", u"'pItIfql"},
            {u"gently", {{"gentle", "'Gentql"}}, u"gentle -ly", u"'Gentli"},
            {u"fattish", {{"fat", "fxt"}}, u"fat -ish", u"'fxtIS"},
            {u"lovable", {{"love", "lAv"}}, u"love -able", u"'lAvqbql"},
            {u"memorize", {{"memory", "'memqri"}}, u"memory -ize", u"'memq\"raIz"},
            {u"epitomize", {{"epitome", "I'pItqmi"}}, u"epitome -ize", u"I'pItq\"maIz"},
            {u"tragically", {{"tragic", "'trxGIk"}}, u"tragic -ally", u"'trxGIkli"},
            {u"realization", {{"real", "rIql"}}, u"real -ization", u"\"rIqlaI'zeISqn"},
            {u"markedness", {{"marked", "mRkt"}}, u"marked -ness", u"'mRkIdnqs"},
            {u"kinglike", {{"king", "kIN"}}, u"king -like", u"'kIN\"laIk"},
            {u"clearish", {{"clear", "klIq"}}, u"clear -ish", u"'klIqrIS"},
            {u"overact", {{"act", "xkt"}}, u"over- act", u"\"quvqr'xkt"},
            {u"rewrap", {{"wrap", "rxp"}}, u"re- wrap", u"\"rJ'rxp"},
            {u"illogical", {{"logical", "'lPGIkql"}}, u"il- logical", u"I'lPGIkql"},
            {u"impure", {{"pure", "pjuq"}}, u"im- pure", u"Im'pjuq"},
            {u"passcode", {{"pass", "pRs"}, {"code", "kqud"}}, u"pass code", u"'pRs\"kqud"},
            {u"downlinks", {{"down", "daun"}, {"link", "lINk"}}, u"down links", u"'daun\"lINks"},
            {u"sunbed", {{"sun", "sAn"}, {"bed", "bed"}}, u"sun bed", u"'sAn\"bed"},
            {u"dogstrap",
             {{"dog", "dPg"}, {"dogs", "dPgz"}, {"trap", "trxp"}, {"strap", "strxp"}},
             u"dog strap",
             u"'dPg\"strxp"},
            {u"atremble", {{"tremble", "'trembql"}}, u"a- tremble", u"q'trembql"},
            {u"apolitical", {{"political", "pq'lItIkql"}}, u"a- political", u"\"eIpq'lItIkql"},
            {u"enshroud", {{"shroud", "Sraud"}}, u"en- shroud", u"en'Sraud"},
            {u"besmear", {{"smear", "smIq"}}, u"be- smear", u"bI'smIq"},
            {u"robotesque", {{"robot", "'rqubPt"}}, u"robot -esque", u"\"rqubP'tesk"},
            {u"bookette", {{"book", "buk"}}, u"book -ette", u"\"bu'ket"},
            {u"pathlessness",
             {{"path", "pRT"}, {"lessness", "'lesnIs"}},
             u"path -lessness",
             u"'pRTlqsnqs"},
            {u"empocket", {{"pocket", "'pPkIt"}}, u"em- pocket", u"Im'pPkIt"},
            {u"prankster", {{"prank", "prxNk"}}, u"prank -ster", u"'prxNkstq"},
            {u"mindfully", {{"mind", "maInd"}, {"fully", "'fuli"}}, u"mind -fully", u"'maIndfqli"},
            {u"hawkling", {{"hawk", "hLk"}}, u"hawk -ling", u"'hLklIN"},
            {u"rusticize", {{"rustic", "'rAstIk"}}, u"rustic -ize", u"'rAstI\"saIz"},
            {u"ropist", {{"rop", "rPp"}, {"rope", "rqup"}}, u"rope -ist", u"'rqupIst"},
            {u"fiddlist", {{"fiddle", "'fIdql"}}, u"fiddle -ist", u"'fIdlIst"},
            {u"decoratize", {{"decorate", "'dekq\"reIt"}}, u"decorate -ize", u"'dekqrq\"taIz"},
            {u"neogothic", {{"gothic", "'gPTIk"}}, u"neo- gothic", u"\"nJqu'gPTIk"},
            {u"uncompanionable",
             {{"companion", "kqm'pxnjqn"}},
             u"un- companion -able",
             u"Ankqm'pxnjqnqbql"},
        });
}

TEST(WordFormation, AmericanSoundsOfTheAffixes) {
    expectFormations(Variant::American,
                     {
                         {u"happiness", {{"happy", "'hxpi"}}, u"happy -ness", u"'hxpinqs"},
                         {u"overact", {{"act", "xkt"}}, u"over- act", u"\"ouvqr'xkt"},
                         {u"realization", {{"real", "rJl"}}, u"real -ization", u"\"rJlaI'zeISqn"},
                         {u"clearish", {{"clear", "klIr"}}, u"clear -ish", u"'klIrIS"},
                     });
}

// Splits that explain the letters with entries no reader would see in the
// word: short abbreviations, letters read out, word ends, classical forms.
TEST(WordFormation, RefusesSillySplits) {
    expectFormations(Variant::British,
                     {
                         {u"unto", {{"to", "tH"}}, u"", u""},
                         {u"tangoy", {{"tango", "'txNgqu"}}, u"", u""},
                         {u"saxophony", {{"saxophone", "'sxksq\"fqun"}}, u"", u""},
                         {u"catsmtp", {{"cat", "kxt"}, {"smtp", "\"es\"em\"tJ'pJ"}}, u"", u""},
                         {u"tubings", {{"tub", "tAb"}, {"ings", "INz"}}, u"", u""},
                         {u"hydrophobic", {{"hydro", "'haIdrqu"}, {"phobic", "'fqubIk"}}, u"", u""},
                         {u"slimming", {{"slim", "slIm"}, {"ming", "mIN"}}, u"", u""},
                         {u"nycbox", {{"nyc", "\"enwaI'sJ"}, {"box", "bPks"}}, u"", u""},
                         {u"boxnyc", {{"nyc", "naIk"}, {"box", "bPks"}}, u"", u""},
                     });
}

// An element of a noun compound is said as a noun where the homographs give
// a noun its own reading; other parts keep the dictionary's.
TEST(WordFormation, CompoundElementsAreSaidAsNouns) {
    PronunciationDictionary dictionary =
        dictionaryOf({{"hand", "hxnd"}, {"bow", "bau"}, {"wind", "waInd"}, {"scoop", "skHp"}});
    HomographTable homographs;
    homographs.loadFromBytes("bow\tnoun\tbqu\nbow\tverb\tbau\nwind\tnoun\twInd\n");
    dictionary.setHomographs(std::move(homographs));
    const TranscriptionEngine engine(dictionary, EngineOptions{Variant::British});
    EXPECT_EQ(engine.guessWord(u"handbow"), u"'hxnd\"bqu");
    EXPECT_EQ(engine.guessWord(u"windscoop"), u"'wInd\"skHp");
    EXPECT_EQ(engine.guessWord(u"miswind"), u"\"mIs'waInd");
}

// The engine marks the word it guessed; the literal reading and an engine
// told not to guess leave it in parentheses.
TEST(WordFormation, GuessesAreMarkedInTheSentence) {
    const PronunciationDictionary dictionary = dictionaryOf(
        {{"the", "DJ"}, {"for", "fL"}, {"kind", "kaInd"}, {"pass", "pRs"}, {"code", "kqud"}});
    EngineOptions guessing{Variant::British};
    guessing.guessUnknownWords = true;
    const TranscriptionEngine engine(dictionary, guessing);
    EXPECT_EQ(engine.transcribeReadSentence(u"The passcode for unkindness."),
              u"[\u00F0\u0259 *\u02C8p\u0251\u02D0s\u02CCk\u0259\u028Ad "
              u"f\u0254\u02D0r *\u028Cn\u02C8ka\u026Andn\u0259s]");
    EXPECT_EQ(engine.transcribeSentence(u"The passcode."), u"[\u00F0\u0259 (passcode)]");
    EXPECT_EQ(engine.transcribeReadSentence(u"The Zqxv."), u"[\u00F0\u0259 (Zqxv)]");

    const TranscriptionEngine notGuessing(dictionary, EngineOptions{Variant::British});
    EXPECT_EQ(notGuessing.transcribeReadSentence(u"The passcode."), u"[\u00F0\u0259 (passcode)]");
}

} // namespace
} // namespace orvanta
