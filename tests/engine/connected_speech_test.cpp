#include "engine/lexicon/dictionary.h"
#include "engine/output/cyrillic.h"
#include "engine/speech/connected_speech.h"
#include "engine/speech/long_sentence.h"
#include "engine/transcription_engine.h"
#include "support.h"

#include <gtest/gtest.h>

#include <string>

namespace orvanta {
namespace {

enum class Accent { British, American };

// Everyday words with the readings of the two bundled dictionaries.
const test_support::Entries britishWords = {
    {"a", "q"},
    {"and", "xnd"},
    {"andre", "'RndreI"},
    {"apple", "'xpl"},
    {"are", "R"},
    {"before", "bI'fL"},
    {"book", "buk"},
    {"can", "kxn"},
    {"car", "kR"},
    {"did", "dId"},
    {"do", "dH"},
    {"door", "dL"},
    {"for", "fL"},
    {"give", "gIv"},
    {"go", "gqu"},
    {"us", "As"},
    {"gone", "gPn"},
    {"has", "hxz"},
    {"have", "hxv"},
    {"he", "hJ"},
    {"help", "help"},
    {"her", "hE:"},
    {"here", "hIq"},
    {"him", "hIm"},
    {"his", "hIz"},
    {"i", "aI"},
    {"idea", "aI'dIq"},
    {"in", "In"},
    {"is", "Iz"},
    {"it", "It"},
    {"know", "nqu"},
    {"law", "lL"},
    {"live", "laIv"},
    {"lives", "laIvz"},
    {"nine", "naIn"},
    {"noah's", "'nquqz"},
    {"long", "lPN"},
    {"man", "mxn"},
    {"me", "mJ"},
    {"more", "mL"},
    {"noah", "'nquq"},
    {"of", "Pv"},
    {"people", "'pJpl"},
    {"peter's", "'pJtqz"},
    {"pleasure", "'pleZq"},
    {"read", "rJd"},
    {"record", "'rekLd"},
    {"road", "rqud"},
    {"sea", "sJ"},
    {"she", "SJ"},
    {"should", "Sud"},
    {"show", "Squ"},
    {"some", "sAm"},
    {"tea", "tJ"},
    {"tell", "tel"},
    {"that", "Dxt"},
    {"the", "DJ"},
    {"then", "Den"},
    {"there", "Deq"},
    {"they", "DeI"},
    {"think", "TINk"},
    {"to", "tu"},
    {"told", "tquld"},
    {"used", "jHzd"},
    {"via", "vaIq"},
    {"waiting", "'weItIN"},
    {"walk", "wLk"},
    {"want", "wPnt"},
    {"if", "If"},
    {"we", "wJ"},
    {"were", "wE:"},
    {"what", "wPt"},
    {"where", "weq"},
    {"who", "hH"},
    {"will", "wIl"},
    {"wind", "wInd"},
    {"yes", "jes"},
    {"yesterday", "'jestqdeI"},
    {"you", "jH"},
    {"close", "klqus"},
    {"very", "'veri"},
    {"lead", "lJd"},
    {"pipes", "paIps"},
    {"singer", "'sINq"},
    {"poisoning", "'pOIznIN"},
    {"role", "rqul"},
    {"managers", "'mxnIGqz"},
    {"teams", "tJmz"},
    {"story", "'stLri"},
};

const test_support::Entries americanWords = {
    {"a", "q"},
    {"and", "xnd"},
    {"apple", "'xpl"},
    {"are", "Rr"},
    {"before", "bI'fLr"},
    {"can", "kxn"},
    {"for", "fLr"},
    {"genre", "'ZRnrq"},
    {"help", "help"},
    {"idea", "aI'dJq"},
    {"in", "In"},
    {"is", "Iz"},
    {"it", "It"},
    {"long", "lLN"},
    {"man", "mxn"},
    {"me", "mJ"},
    {"more", "mLr"},
    {"noah", "'nouq"},
    {"of", "Av"},
    {"read", "red"},
    {"record", "rI'kLrd"},
    {"road", "roud"},
    {"sea", "sJ"},
    {"the", "DJ"},
    {"there", "Der"},
    {"to", "tu"},
    {"via", "'vaIq"},
    {"waiting", "'weItIN"},
    {"walk", "wLk"},
    {"were", "wE:r"},
    {"where", "wer"},
    {"who", "hH"},
    {"will", "wIl"},
    {"wind", "waInd"},
    {"lives", "lIvz"},
    {"nine", "naIn"},
    {"yesterday", "'jestqrdeI"},
    {"you", "jH"},
    {"i", "aI"},
};

// Both variants' readings by role, as the generated tables give them.
const char britishHomographs[] = "read\tverb\trJd\nread\tpast\tred\n"
                                 "live\tverb\tlIv\nlive\tadjective\tlaIv\n"
                                 "wind\tnoun\twInd\nwind\tverb\twaInd\n"
                                 "record\tnoun\t'rekLd\nrecord\tverb\trI'kLd\n"
                                 "used\tpast\tjHzd\nused\tbefore-to\tjHst\n"
                                 "close\tverb\tklquz\nclose\tadjective\tklqus\n"
                                 "lives\tnoun\tlaIvz\nlives\tverb\tlIvz\n"
                                 "lead\tverb\tlJd\nlead\tnoun\tlJd\nlead\tbefore-noun\tled\n";
const char americanHomographs[] = "read\tverb\trJd\nread\tpast\tred\n"
                                  "wind\tnoun\twInd\nwind\tverb\twaInd\n"
                                  "record\tnoun\t'rekqrd\nrecord\tverb\trI'kLrd\n"
                                  "lives\tnoun\tlaIvz\nlives\tverb\tlIvz\n";

std::string utf8(std::u16string_view text) {
    std::string out;
    for (const char16_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::u16string widenUtf8(const std::string &text) {
    std::u16string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            out += c;
            i += 1;
        } else if (c < 0xE0) {
            out += static_cast<char16_t>(((c & 0x1F) << 6) | (text[i + 1] & 0x3F));
            i += 2;
        } else {
            out += static_cast<char16_t>(((c & 0x0F) << 12) | ((text[i + 1] & 0x3F) << 6) |
                                         (text[i + 2] & 0x3F));
            i += 3;
        }
    }
    return out;
}

// The sentence's transcription, without brackets, in UTF-8.
std::string say(Accent accent, bool weakForms, const std::u16string &sentence) {
    const bool american = accent == Accent::American;
    PronunciationDictionary dictionary =
        test_support::dictionaryOf(american ? americanWords : britishWords);
    HomographTable homographs;
    homographs.loadFromBytes(american ? americanHomographs : britishHomographs);
    dictionary.setHomographs(std::move(homographs));
    const TranscriptionEngine engine(
        dictionary, EngineOptions{american ? Variant::American : Variant::British, weakForms});
    const std::u16string result = engine.transcribeSentence(sentence);
    return utf8(std::u16string_view(result).substr(1, result.size() - 2));
}

struct Row {
    const char *name;
    Accent accent;
    std::u16string sentence;
    std::string expected;
};

template <std::size_t N> void checkAll(const Row (&rows)[N], bool weakForms) {
    for (const Row &row : rows)
        EXPECT_EQ(say(row.accent, weakForms, row.sentence), row.expected) << row.name;
}

TEST(LinkingR, FollowsTheSpellingAndTheVariant) {
    const Row rows[] = {
        {"final r", Accent::British, u"more of it", "mɔːr ɒv ɪt"},
        {"final re", Accent::British, u"there is a man", "ðeər ɪz ə mæn"},
        {"final re, stressed", Accent::British, u"before it", "bɪˈfɔːr ɪt"},
        {"were", Accent::British, u"were in", "wɜːr ɪn"},
        {"pleasure", Accent::British, u"pleasure in it", "ˈpleʒər ɪn ɪt"},
        {"capitals", Accent::British, u"MORE OF IT", "mɔːr ɒv ɪt"},
        {"not before a consonant", Accent::British, u"more tea", "mɔː tiː"},
        {"apostrophe s ends in s", Accent::British, u"Peter's apple", "ˈpiːtəz ˈæpl"},
        {"re said as a diphthong", Accent::British, u"Andre is here", "ˈɑːndreɪ ɪz hɪə"},
        {"intrusive after ɪə", Accent::British, u"idea of it", "aɪˈdɪər ɒv ɪt"},
        {"intrusive after ə", Accent::British, u"Noah and the sea", "ˈnəʊər ænd ðə siː"},
        {"American keeps written r", Accent::American, u"more of it", "mɔːr ʌv ɪt"},
        {"American no intrusive r", Accent::American, u"via a road", "ˈvaɪə ə roʊd"},
        {"American Noah", Accent::American, u"Noah and idea of", "ˈnoʊə ænd aɪˈdiːə ʌv"},
        {"American re said ə", Accent::American, u"genre is", "ˈʒɑːnrə ɪz"},
    };
    checkAll(rows, false);
}

TEST(TheAndTo, DecideByTheNextWord) {
    const Row rows[] = {
        {"the before consonant", Accent::British, u"the man", "ðə mæn"},
        {"the before vowel", Accent::British, u"the apple", "ðiː ˈæpl"},
        {"the before unknown consonant", Accent::British, u"the drawing-room", "ðə (drawingroom)"},
        {"the before unknown vowel", Accent::British, u"the Oxbridge man", "ðiː (Oxbridge) mæn"},
        {"to before unknown consonant", Accent::American, u"to Boston", "tə (Boston)"},
        {"to before unknown vowel", Accent::American, u"to Ohio", "tʊ (Ohio)"},
        {"to at the end", Accent::British, u"Where to?", "weə tuː"},
        {"to at the end, American", Accent::American, u"where to", "wer tuː"},
        {"the at the end", Accent::British, u"and the", "ænd ðiː"},
    };
    checkAll(rows, false);
}

TEST(WeakForms, InRunningSpeech) {
    const Row rows[] = {
        {"and, the", Accent::British, u"man and the sea", "mæn ən ðə siː"},
        {"can, you, me", Accent::British, u"Can you help me?", "kən jʊ help mi"},
        {"for a, British", Accent::British, u"for a long walk", "fər ə lɒŋ wɔːk"},
        {"for a, American", Accent::American, u"for a long walk", "fər ə lɔːŋ wɔːk"},
        {"the before a vowel", Accent::British, u"to the apple", "tə ði ˈæpl"},
        {"and before a vowel", Accent::British, u"man and apple", "mæn ənd ˈæpl"},
        {"existential there", Accent::British, u"There are some people here.",
         "ðər ə səm ˈpiːpl hɪə"},
        {"existential there, American", Accent::American, u"There are", "ðər ɑːr"},
        {"h kept at the start", Accent::British, u"He has gone.", "hi əz ɡɒn"},
        {"h dropped after a word", Accent::British, u"Did he go?", "dɪd i ɡəʊ"},
        {"no linking r across a pause", Accent::British, u"I want more, if I can",
         "aɪ wɒnt mɔː ɪf aɪ kæn"},
        {"object pronoun ends weak", Accent::British, u"I told him.", "aɪ təʊld ɪm"},
        {"us ends weak", Accent::British, u"Give it to us.", "ɡɪv ɪt tʊ əs"},
        {"h kept after a pause", Accent::British, u"Yes, he can.", "jes hi kæn"},
        {"do before its subject", Accent::British, u"What do you want?", "wɒt də jʊ wɒnt"},
        {"question that goes on", Accent::British, u"Are you here?", "ə jʊ hɪə"},
        {"wh-question stresses its wh-word", Accent::British, u"Where are you?", "weər ə jʊ"},
        {"perfect have", Accent::British, u"I have gone.", "aɪ əv ɡɒn"},
        {"have as a verb", Accent::British, u"I have a car.", "aɪ hæv ə kɑː"},
        {"that as a conjunction", Accent::British, u"I know that he can help.",
         "aɪ nəʊ ðət i kən help"},
    };
    checkAll(rows, true);
}

TEST(WeakForms, StrongWhereSpeechStressesThem) {
    const Row rows[] = {
        {"stranded preposition", Accent::British, u"Who are you waiting for?",
         "huː ə jʊ ˈweɪtɪŋ fɔː"},
        {"stranded preposition, American", Accent::American, u"Who are you waiting for?",
         "huː ər jʊ ˈweɪtɪŋ fɔːr"},
        {"short answer", Accent::British, u"Yes, I can.", "jes aɪ kæn"},
        {"before a comma", Accent::British, u"I can, and I will.", "aɪ kæn ənd aɪ wɪl"},
        {"to at the end", Accent::British, u"I want to.", "aɪ wɒnt tuː"},
        {"to before a dash", Accent::British, u"I want to - help", "aɪ wɒnt tuː help"},
        {"demonstrative that", Accent::British, u"that book", "ðæt bʊk"},
        {"some before a number", Accent::British, u"some 20 people", "sʌm (20) ˈpiːpl"},
        {"his at the start", Accent::British, u"His car is here.", "hɪz kɑːr ɪz hɪə"},
        {"US, the country", Accent::British, u"in the US.", "ɪn ði ʌs"},
        {"the can", Accent::British, u"the can is here", "ðə kæn ɪz hɪə"},
        {"adverb there", Accent::British, u"go there now", "ɡəʊ ðeə (now)"},
        {"short question", Accent::British, u"Can you?", "kæn juː"},
        {"short question with do", Accent::British, u"Do they?", "duː ðeɪ"},
        {"short question with has", Accent::British, u"Has she?", "hæz ʃiː"},
        {"short question, American", Accent::American, u"Are you?", "ɑːr juː"},
        {"question tag", Accent::British, u"You can help, can you?", "jʊ kən help kæn juː"},
        {"answer ends on the auxiliary", Accent::British, u"I think we should.", "aɪ θɪŋk wi ʃʊd"},
        {"do with an object", Accent::British, u"Do it.", "duː ɪt"},
    };
    checkAll(rows, true);
}

TEST(Homographs, ReadByTheirNeighbours) {
    const Row rows[] = {
        {"live, verb after I", Accent::British, u"I live here", "aɪ lɪv hɪə"},
        {"live, adjective after a", Accent::British, u"a live show", "ə laɪv ʃəʊ"},
        {"live, no context", Accent::British, u"live", "laɪv"},
        {"read after will", Accent::American, u"I will read it", "aɪ wɪl riːd ɪt"},
        {"read in the past", Accent::American, u"I read it yesterday", "aɪ red ɪt ˈjestərdeɪ"},
        {"read in the past, British", Accent::British, u"I read it yesterday",
         "aɪ red ɪt ˈjestədeɪ"},
        {"read after have", Accent::British, u"I have read it", "aɪ hæv red ɪt"},
        {"read, undecided", Accent::British, u"I read it", "aɪ riːd ɪt"},
        {"read, undecided, American too", Accent::American, u"you read it", "juː riːd ɪt"},
        {"wind, noun", Accent::American, u"the wind", "ðə wɪnd"},
        {"wind, verb", Accent::American, u"to wind it", "tə waɪnd ɪt"},
        {"record, noun", Accent::American, u"a record", "ə ˈrekərd"},
        {"record, verb", Accent::British, u"to record it", "tə rɪˈkɔːd ɪt"},
        {"used to", Accent::British, u"I used to", "aɪ juːst tuː"},
        {"used", Accent::British, u"I used it", "aɪ juːzd ɪt"},
        {"close, verb before an object", Accent::British, u"close the door", "kləʊz ðə dɔː"},
        {"close, adjective", Accent::British, u"very close", "ˈveri kləʊs"},
        {"a pause cuts the context", Accent::British, u"the, live", "ðə laɪv"},
        {"lives, verb after he", Accent::British, u"he lives here", "hiː lɪvz hɪə"},
        {"lives, verb after a name", Accent::British, u"then Noah lives here",
         "ðen ˈnəʊə lɪvz hɪə"},
        {"lives, verb after who", Accent::British, u"the man who lives here",
         "ðə mæn huː lɪvz hɪə"},
        {"lives, noun after a possessive", Accent::British, u"then Noah's lives",
         "ðen ˈnəʊəz laɪvz"},
        {"lives, noun after a count", Accent::American, u"nine lives", "naɪn laɪvz"},
        {"lives, a sentence's first word is no name", Accent::British, u"Noah lives",
         "ˈnəʊə laɪvz"},
        {"lead, the metal before a noun", Accent::British, u"the lead pipes", "ðə led paɪps"},
        {"lead, the metal opening a sentence", Accent::British, u"Lead poisoning", "led ˈpɔɪznɪŋ"},
        {"lead, before the person it leads", Accent::British, u"the lead singer", "ðə liːd ˈsɪŋə"},
        {"lead, before a part", Accent::British, u"the lead role", "ðə liːd rəʊl"},
        {"lead, before the story it heads", Accent::British, u"the lead story", "ðə liːd ˈstɔːri"},
        {"lead, verb after a plural subject", Accent::British, u"managers lead teams",
         "ˈmænɪdʒəz liːd tiːmz"},
        {"lead, verb after to", Accent::British, u"to lead people", "tə liːd ˈpiːpl"},
        {"lead, verb after a pronoun", Accent::British, u"we lead teams", "wiː liːd tiːmz"},
        {"lead, noun with nothing after it", Accent::British, u"the lead", "ðə liːd"},
    };
    checkAll(rows, false);
}

TEST(Homographs, AMissingTableChangesNothing) {
    const PronunciationDictionary dictionary = test_support::dictionaryOf(britishWords);
    EXPECT_EQ(utf8(TranscriptionEngine(dictionary).transcribeSentence(u"I live here.")),
              "[aɪ laɪv hɪə]");
}

TEST(Homographs, AUserEntryKeepsItsReading) {
    PronunciationDictionary shipped = test_support::dictionaryOf(britishWords);
    HomographTable homographs;
    homographs.loadFromBytes(britishHomographs);
    shipped.setHomographs(std::move(homographs));
    const PronunciationDictionary user = test_support::dictionaryOf({{"live", "lIf"}});
    const TranscriptionEngine engine(shipped, &user);
    EXPECT_EQ(utf8(engine.transcribeSentence(u"I live here.")), "[aɪ lɪf hɪə]");
    EXPECT_EQ(utf8(engine.transcribeSentence(u"I will read it.")), "[aɪ wɪl riːd ɪt]");
}

TEST(HomographTable, IsReadWithItsDictionary) {
    const std::string path =
        test_support::writeTemporaryFile("words.txt", "1\tlive\tlaIv\n1\ti\taI\n");
    test_support::writeTemporaryFile("words-homographs.txt", "live\tverb\tlIv\n");
    const DictionaryLoad load = PronunciationDictionary::load(path);
    ASSERT_TRUE(load.ok());
    EXPECT_EQ(load.dictionary.homographs().size(), 1u);
    EXPECT_EQ(utf8(TranscriptionEngine(load.dictionary).transcribeSentence(u"I live")), "[aɪ lɪv]");
    const DictionaryLoad alone = PronunciationDictionary::load(
        test_support::writeTemporaryFile("alone.txt", "1\tlive\tlaIv\n"));
    ASSERT_TRUE(alone.ok());
    EXPECT_TRUE(alone.dictionary.homographs().empty());
}

// A sentence too long to hold whole is said a window of words at a time:
// what a word sounds like depends on its neighbours and on the sentence as a
// whole, and must come out as the whole sentence's transcription has it,
// wherever the windows part the words.
TEST(LongSentences, ComeOutInWindowsAsWhole) {
    const std::u16string sentences[] = {
        u"I read it, and the apple is here; he had read the record and used to live there "
        u"with a man who lives here yesterday",
        u"I read it and I read the record to the man, not the idea of a car",
        u"His car and the idea of a record: can you? The US and us, FBI and CIA's, "
        u"r r r r r r r r r r r. To the apple, to the door, to",
        u"There is some tea for her and him, for me, and so can you, then; that man, that is all "
        u"we do for them",
        u"Lead poisoning and the lead pipes, the lead singer, to lead people and wind it, "
        u"the wind, a B C F R S B C and F",
        u"It is 7 a.m. and I am here (really), Peter's car - via Andre's road... Noah lives",
        u"  spaces  ,  and , marks ;; only ,",
        u"x",
    };
    const PronunciationDictionary letters =
        test_support::dictionaryOf({{"b", "bJ"}, {"c", "sJ"}, {"f", "ef"}, {"r", "R"}});
    for (const Accent accent : {Accent::British, Accent::American}) {
        const bool american = accent == Accent::American;
        PronunciationDictionary dictionary =
            test_support::dictionaryOf(american ? americanWords : britishWords);
        HomographTable homographs;
        homographs.loadFromBytes(american ? americanHomographs : britishHomographs);
        dictionary.setHomographs(std::move(homographs));
        for (const bool weakForms : {false, true}) {
            EngineOptions options{american ? Variant::American : Variant::British, weakForms};
            options.guessUnknownWords = weakForms;
            const TranscriptionEngine engine(dictionary, &letters, options);
            for (const std::u16string &sentence : sentences) {
                for (const bool read : {false, true}) {
                    const std::u16string whole = read ? engine.transcribeReadSentence(sentence)
                                                      : engine.transcribeSentence(sentence);
                    for (const std::size_t window : {1, 2, 3, 5, 9, 100}) {
                        std::u16string joined;
                        std::u16string cyrillic;
                        bool betweenWords = true;
                        const auto take = [&](std::u16string_view piece) {
                            // Each piece but the first starts at a word's space.
                            betweenWords = betweenWords && (joined.empty() || piece[0] == u' ');
                            joined += piece;
                            cyrillic += transliterateToCyrillic(std::u16string(piece));
                        };
                        transcribeInWindows(engine, sentence, read, window, take);
                        const std::string name = test_support::narrow(sentence) +
                                                 (read ? ", read" : ", literal") + ", window " +
                                                 std::to_string(window) +
                                                 (weakForms ? ", weak forms" : "") +
                                                 (american ? ", American" : ", British");
                        EXPECT_EQ(joined, whole) << name;
                        EXPECT_EQ(cyrillic, transliterateToCyrillic(whole)) << name;
                        EXPECT_TRUE(betweenWords) << name;
                    }
                }
            }
        }
    }
}

TEST(PauseMarks, FollowTheWordBeforeThePunctuation) {
    const struct {
        const char *name;
        std::u16string sentence;
        std::u16string normalised;
        PauseMarks pauses;
    } rows[] = {
        {"comma and full stop", u"Yes, I can.", u"Yes I can", {true, false, true}},
        {"hyphen inside a word", u"a well-known fact", u"a wellknown fact", {}},
        {"spaced hyphen as a dash", u"now - then", u"now then", {true}},
        {"dash after a space", u"now -then", u"now then", {true}},
        {"brackets", u"so (really) good", u"so really good", {true, true}},
        {"space before the comma", u"a , b", u"a b", {true}},
        {"leading punctuation", u", leading", u"leading", {}},
        {"ellipsis and question", u"wait\u2026 what?", u"wait what", {true, true}},
        {"colon, semicolon, dash", u"a: b; c\u2013 d", u"a b c d", {true, true, true}},
        {"quotes are no pause", u"\"so\" 'he' said", u"so 'he' said", {}},
    };
    for (const auto &row : rows) {
        PauseMarks pauses{true, true, true, true, true};
        EXPECT_EQ(normalizeMarkingPauses(row.sentence, &pauses), row.normalised) << row.name;
        EXPECT_EQ(pauses, row.pauses) << row.name;
        EXPECT_EQ(normalizeMarkingPauses(row.sentence, nullptr), row.normalised) << row.name;
    }
}

// GCC 12 at -O3 (Release) warns of an overlapping copy inside
// std::u16string's operator+ below, which cannot happen (a known false
// positive of its -Wrestrict, GCC bug 105329).
#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ == 12
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wrestrict"
#endif
TEST(WeakForms, CyrillicFollowsTheForms) {
    EXPECT_EQ(utf8(transliterateToCyrillic(
                  u"[" + widenUtf8(say(Accent::British, true, u"man and the sea")) + u"]")),
              "[мЭн эн ЗЗэ си:]");
}
#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ == 12
#pragma GCC diagnostic pop
#endif

TEST(HomographTable, ReadsTheGeneratedFormat) {
    HomographTable table;
    table.loadFromBytes("# comment\nread\tverb\trJd\r\nread\tpast\tred\nRead\tverb\tx\n"
                        "bad\tnoun\t\nbad\tsideways\tbxd\nno-tab line\nlead\tnoun\tled");
    ASSERT_EQ(table.size(), 2u);
    const HomographTable::Entry *read = table.find(u"READ");
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->reading(WordRole::Verb), u"rJd");
    EXPECT_EQ(read->reading(WordRole::Past), u"red");
    EXPECT_EQ(read->reading(WordRole::Noun), u"");
    EXPECT_EQ(table.find(u"lead")->reading(WordRole::Noun), u"led");
    EXPECT_EQ(table.find(u"bad"), nullptr);
    EXPECT_EQ(table.find(u"reads"), nullptr);
    EXPECT_EQ(table.find(u""), nullptr);
}

TEST(HomographTable, LivesBesideItsDictionary) {
    const struct {
        const char *dictionary, *table;
    } rows[] = {
        {"data/velmor_eng_transcription.txt", "data/velmor_eng_transcription-homographs.txt"},
        {"/x/my.dict", "/x/my.dict-homographs.txt"},
        {"dir.txt/words", "dir.txt/words-homographs.txt"},
        {".txt", ".txt-homographs.txt"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(homographPathFor(row.dictionary), row.table) << row.dictionary;
}

} // namespace
} // namespace orvanta
