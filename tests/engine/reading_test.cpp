// The reading stage: what is written -> what is said.
#include "engine/reading/reading.h"
#include "engine/text/sentence_boundary.h"
#include "support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {
namespace {

// A small vocabulary stands in for the dictionary.
bool knownWord(const void *, std::u16string_view word) {
    static constexpr std::array<std::u16string_view, 24> words = {
        u"drawing",   u"room",  u"time",    u"warner", u"prime",   u"revenue", u"chapter", u"one",
        u"cafe",      u"naive", u"nato",    u"it",     u"example", u"com",     u"you",     u"tube",
        u"cooperate", u"play",  u"station", u"bbc",    u"gis",     u"news",    u"fsf",     u"hmm"};
    return std::find(words.begin(), words.end(), word) != words.end();
}

std::u16string read(std::u16string_view text, Variant variant = Variant::American) {
    ReadingContext context;
    context.variant = variant;
    context.knownWord.test = knownWord;
    return readText(text, context);
}

using test_support::narrow;

struct Case {
    const char *name;
    std::u16string_view written;
    std::u16string_view american;
    std::u16string_view british; // empty: as American
};

void check(const Case &row) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(narrow(read(row.written, Variant::American)), narrow(std::u16string(row.american)));
    const std::u16string_view british = row.british.empty() ? row.american : row.british;
    EXPECT_EQ(narrow(read(row.written, Variant::British)), narrow(std::u16string(british)));
}

TEST(ReadingTest, TitlesAndAbbreviationsByPosition) {
    const Case cases[] = {
        {"doctor before a name", u"Dr. Watson came", u"doctor Watson came", {}},
        {"doctor without a full stop", u"Dr Watson came", u"doctor Watson came", {}},
        {"drive after a name", u"at Mulholland Dr. today", u"at Mulholland drive today", {}},
        {"saint before a name", u"St. Louis", u"saint Louis", {}},
        {"street after a name", u"on Baker St. today", u"on Baker street today", {}},
        {"mister and missus", u"Mr. and Mrs. Brown", u"mister and missus Brown", {}},
        {"Ms as the dictionaries spell its sound", u"Ms. Brown", u"ms Brown", {}},
        {"number before a digit", u"No. 5", u"number five", {}},
        {"no at the end stays a word", u"I said no.", u"I said no.", {}},
        {"for example", u"fruit, e.g. pears", u"fruit, for example pears", {}},
        {"that is", u"one, i.e. this", u"one, that is this", {}},
        {"et cetera", u"cats, dogs, etc.", u"cats, dogs, et cetera", {}},
        {"versus", u"Smith vs. Jones", u"Smith versus Jones", {}},
        {"lower-case fig. before a number", u"see fig. 3", u"see figure three", {}},
        {"professor needs a name after it", u"the Prof said", u"the Prof said", {}},
        {"ordinary capital word unchanged", u"Gen is here", u"Gen is here", {}},
        {"lower-case saint before a name", u"the st Mark school", u"the saint Mark school", {}},
        {"state after a place and a comma",
         u"in Kansas City, Mo., today",
         u"in Kansas City, missouri, today",
         {}},
        {"state abbreviation elsewhere is a word", u"I said Mo. Then", u"I said Mo. Then", {}},
        {"dotted state after a place", u"Albany, N.Y.", u"Albany, new york", {}},
        {"postal address",
         u"to 12 Oak Ln, Austin, TX 78701.",
         u"to twelve Oak lane, Austin, texas seven eight seven oh one.",
         {}},
        {"street's direction and ZIP and four",
         u"1600 Pennsylvania Ave NW, Washington, DC 20500-0003",
         u"sixteen hundred Pennsylvania avenue northwest, Washington, d c two oh five oh oh oh oh "
         u"oh "
         u"three",
         {}},
        {"state's code that is a word, before its ZIP",
         u"Portland, OR 97201",
         u"Portland, oregon nine seven two oh one",
         {}},
        {"capital words that are states' codes elsewhere",
         u"I think IT is fine, OR maybe IN time for ME",
         u"I think IT is fine, OR maybe IN time for ME",
         {}},
        {"exclamation after a name", u"Hello John, OK?", u"Hello John, o k?", {}},
        {"degree after a name", u"Jane Doe, MD, said", u"Jane Doe, m d, said", {}},
        {"state's code said once", u"Atlanta, GA is big", u"Atlanta, georgia is big", {}},
        {"numbers that are no local number",
         u"Between (200) 300-400 people",
         u"Between two hundred three hundred to four hundred people",
         {}},
        {"place of a publisher", u"Boston, MA: Beacon", u"Boston, m ay: Beacon",
         u"Boston, m eh: Beacon"},
        {"highway before its number", u"Take Hwy 61 north", u"Take highway sixty one north", {}},
        {"state in capitals-only text", u"NEWS ROOM, IND.", u"NEWS ROOM, indiana", {}},
        {"quote typed as an apostrophe", u"'Mrs. Smith'", u"missus Smith'", {}},
        // Every month abbreviation opens a date, December's as much as the rest.
        {"abbreviated December opens a date",
         u"on Dec 3, 2013 it",
         u"on december third twenty thirteen it",
         {}},
        {"abbreviated March opens a date", u"on Mar. 3 it", u"on march third it",
         u"on march third it"},
        {"a month abbreviation without a number", u"the Dec report", u"the Dec report", {}},
        {"a lower-case month before a number",
         u"it was aug 3 2019 then",
         u"it was august third twenty nineteen then",
         {}},
    };
    for (const Case &row : cases)
        check(row);
}

TEST(ReadingTest, RomanNumeralsOnlyWhereTheyAreNumbers) {
    const Case cases[] = {
        {"after chapter", u"CHAPTER IX", u"CHAPTER nine", {}},
        {"after a heading in title case",
         u"Chapter XIV: The End",
         u"Chapter fourteen: The End",
         {}},
        {"regnal number after a name", u"Henry VIII had wives", u"Henry the eighth had wives", {}},
        {"regnal number with full stop",
         u"under Louis XIV. Then",
         u"under Louis the fourteenth. Then",
         {}},
        {"alone on a line", u"XIX.", u"nineteen", {}},
        {"part one, capitalised heading", u"Part I", u"Part one", {}},
        {"pronoun after a lower-case heading", u"in part I think so", u"in part I think so", {}},
        {"pronoun after a name", u"Then John I met", u"Then John I met", {}},
        {"pronoun after an auxiliary that opens a question", u"Can I?", u"Can I?", {}},
        {"pronoun after a conjunction", u"And I.", u"And I.", {}},
        {"pronoun after a capitalised verb", u"Must I, then?", u"Must I, then?", {}},
        {"appendix letter is a letter", u"see Appendix C", u"see Appendix c", {}},
        {"world war", u"World War II ended", u"World War two ended", {}},
        {"II anywhere", u"the battle II campaign", u"the battle two campaign", {}},
        {"letter heading with a numeral", u"LETTER XII.", u"LETTER twelve", {}},
        {"the letter X stays a letter", u"the letter X here", u"the letter x here", {}},
        {"regnal I before punctuation",
         u"under Charles I. Then",
         u"under Charles the first. Then",
         {}},
        {"numbered paragraph at the start", u"VIII.--NEWS", u"eight, NEWS", {}},
        {"possessive of a regnal number",
         u"Clement VII.'s envoy",
         u"Clement the seventh's envoy",
         {}},
        {"heading longer than eight letters",
         u"Corollary III. It follows",
         u"Corollary three It follows",
         {}},
        {"not a valid numeral", u"CHAPTER IC", u"CHAPTER i c", {}},
    };
    for (const Case &row : cases)
        check(row);
}

TEST(ReadingTest, LettersAndAcronyms) {
    const Case cases[] = {
        {"spelled acronym", u"the FBI agent", u"the f b i agent", {}},
        {"spelled acronym with the letter a", u"the USA team", u"the u s ay team",
         u"the u s eh team"},
        {"possessive of an acronym", u"AOL's shares", u"ay o l's shares", u"eh o l's shares"},
        {"plural of an acronym", u"two MPs spoke", u"two m p's spoke", {}},
        {"sayable acronym is a word", u"join NATO now", u"join NATO now", {}},
        {"unknown sayable acronym is a word", u"the TELMAR party", u"the TELMAR party", {}},
        {"short known acronym is still spelled", u"the GIS data", u"the g i s data", {}},
        {"emphasis word stays a word", u"I did NOT go", u"I did NOT go", {}},
        {"US in mixed text is the country", u"the US army", u"the u s army", {}},
        {"capitals-only text trusts the dictionary", u"IT NEWS", u"IT NEWS", {}},
        {"dotted initialism", u"the U.S. trip", u"the u s trip", {}},
        {"initials of a name", u"J. R. R. Tolkien", u"j r r Tolkien", {}},
        {"article stays the article", u"A dog and a cat", u"A dog and a cat", {}},
        {"spelled letters around a", u"d n a test", u"d n ay test", u"d n eh test"},
        {"consonant-only lower-case word", u"the smr unit", u"the s m r unit", {}},
        {"consonant-only acronym the dictionary has", u"the fsf said", u"the f s f said", {}},
        {"word without a vowel", u"hmm, fine", u"hmm, fine", {}},
        {"short unknown mixed capitals", u"PbS and PhD", u"p b s and p h d", {}},
        {"possessive set apart", u"Nature 's way", u"Nature's way", {}},
        {"no possessive over a silent sign", u"zero 's $ 's", u"zero's s", {}},
        {"quoted n between words", u"fish 'n' chips", u"fish n chips", {}},
        {"apostrophe among spelled letters", u"i.e.\u00D8's", u"i e o s", {}},
        {"Greek letter", u"value of \u0394 here", u"value of delta here", {}},
    };
    for (const Case &row : cases)
        check(row);
}

TEST(ReadingTest, SymbolsAndAddresses) {
    const Case cases[] = {
        {"ampersand", u"rock & roll", u"rock and roll", {}},
        {"ampersand inside capitals", u"AT&T", u"ay t and t", u"eh t and t"},
        {"plus and equals", u"a + b = c", u"a plus b equals c", {}},
        {"hash before a number", u"#1", u"number one", {}},
        {"currencies in letters before the amount",
         u"It costs CHF 20 or HK$ 15.",
         u"It costs twenty swiss francs or fifteen hong kong dollars.",
         {}},
        {"hash, space, number", u"# 1 hit", u"number one hit", {}},
        {"slash separates words", u"and/or", u"and or", {}},
        {"web address", u"www.example.com", u"w w w dot example dot com", {}},
        {"e-mail address", u"ann@example.com.", u"ann at example dot com.", {}},
        {"domain name", u"see nato.int", u"see nato dot i n t", {}},
        {"newer domain spelled", u"see shop.xyz", u"see shop dot x y z", {}},
        {"scheme", u"http://x.io", u"h t t p, x dot i o", {}},
    };
    for (const Case &row : cases)
        check(row);
}

TEST(ReadingTest, TextHygiene) {
    const Case cases[] = {
        {"typographic apostrophe", u"I\u2019m here", u"I'm here", {}},
        {"modifier apostrophe", u"we\u02BCre", u"we're", {}},
        {"double hyphen parts words", u"Come--and see", u"Come, and see", {}},
        {"em dash parts words", u"wait\u2014now", u"wait, now", {}},
        {"unknown hyphenated word in parts", u"a drawing-room", u"a drawing room", {}},
        {"prefix joined when the whole is known", u"co-operate", u"cooperate", {}},
        {"known parts stay apart", u"play-station", u"play station", {}},
        {"camel case inside an address", u"see BioLib.cz", u"see Bio Lib dot c z", {}},
        {"camel case of known words", u"TimeWarner", u"Time Warner", {}},
        {"camel case with short part stays", u"McLaren", u"McLaren", {}},
        {"diacritic folds", u"na\u00EFve", u"naive", {}},
        {"accent folds", u"caf\u00E9", u"cafe", {}},
        {"combining accent goes", u"cafe\u0301", u"cafe", {}},
        {"other script stays",
         u"\u041F\u0440\u0438\u0432\u0435\u0442 world",
         u"\u041F\u0440\u0438\u0432\u0435\u0442 world",
         {}},
        {"no word at all", u"* * *", u"", {}},
        {"lone quote", u"\"", u"", {}},
        {"code-page dash", u"on\u0097or", u"on, or", {}},
        {"full-width letters", u"\uFF28\uFF49", u"Hi", {}},
        {"byte order mark is no letter", u"\uFEFFit is\uFEFF here", u"it is here", {}},
        {"Arabic letter forms are", u"\uFEF5 it", u"\uFEF5 it", {}},
    };
    for (const Case &row : cases)
        check(row);
}

TEST(ReadingTest, EveryTokenWithALetterOrDigitGivesAWord) {
    const std::u16string_view inputs[] = {u"x",      u"7",      u"Q.",  u"'s",
                                          u"\u00E9", u"\u4E2D", u"_a_", u"a\u0301",
                                          u"MMXXIV", u"---z",   u"*"};
    for (const std::u16string_view input : inputs) {
        const bool hasAlnum = std::any_of(input.begin(), input.end(), [](char16_t c) {
            return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') ||
                   (c >= u'A' && c <= u'Z') || c >= 0xC0;
        });
        EXPECT_EQ(!read(input).empty(), hasAlnum) << narrow(std::u16string(input));
    }
}

// The engine reads without pause marks when nothing it does needs them:
// leaving them out must not change a single word.
TEST(ReadingTest, PauseMarksChangeNoWord) {
    const std::u16string_view inputs[] = {u"Nature 's way",  u"Clement VII.'s envoy",
                                          u"Yes, 's and no", u"one; 's",
                                          u"Nature. 's way", u"wait!? 's",
                                          u"BBC, 's"};
    for (const std::u16string_view input : inputs) {
        ReadingContext bare;
        bare.knownWord.test = knownWord;
        bare.variant = Variant::American;
        bare.pauseMarks = false;
        std::u16string marked = read(input);
        std::erase_if(marked, [](char16_t c) {
            return std::u16string_view(u",;:.!?").find(c) != std::u16string_view::npos;
        });
        EXPECT_EQ(narrow(readText(input, bare)), narrow(marked)) << narrow(std::u16string(input));
    }
}

// A sentence as long as a whole text is read in pieces as it goes: joined,
// they are the sentence's reading, and none cuts a word (a possessive or a
// pause mark may still join the word before it).
TEST(ReadingTest, ALongSentenceReadInPiecesReadsAsWhole) {
    const std::u16string_view parts[] = {
        u"Nature 's way, $1.5bn and 3 km; ",
        u"Clement VII.'s envoy met Dr. Watson at 10:30, ",
        u"the FBI, BBC's and A B C r ",
        u"1,000,000,000,000,000,000,000,000,000,000,000,000,000,000,000,000,000 ",
    };
    for (const std::u16string_view part : parts) {
        for (const bool pauseMarks : {true, false}) {
            std::u16string sentence;
            while (sentence.size() < 200'000)
                sentence += part;
            ReadingContext context;
            context.knownWord.test = knownWord;
            context.pauseMarks = pauseMarks;
            std::u16string joined;
            std::size_t pieces = 0;
            bool whole = true;
            readText(sentence, context, [&](std::u16string_view piece) {
                whole = whole && (joined.empty() || piece[0] == u' ');
                joined += piece;
                ++pieces;
            });
            const std::string name = narrow(std::u16string(part)) + (pauseMarks ? "" : ", bare");
            EXPECT_EQ(joined, readText(sentence, context)) << name;
            EXPECT_GT(pieces, 2u) << name;
            EXPECT_TRUE(whole) << name;
        }
    }
    // One number of thousands of digits is one token, read in pieces too.
    std::u16string number = u"1";
    for (int i = 0; i < 30'000; ++i)
        number += u",000";
    ReadingContext context;
    context.knownWord.test = knownWord;
    std::size_t pieces = 0;
    std::u16string joined;
    readText(number, context, [&](std::u16string_view piece) {
        joined += piece;
        ++pieces;
    });
    EXPECT_EQ(joined, readText(number, context));
    EXPECT_GT(pieces, 2u);
}

// A sentence's words for comparison: lower case, no pause marks or quotes,
// hyphens as spaces, single spaces.
std::string comparable(std::string_view text) {
    std::string words;
    for (const char c : text) {
        const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        if (lower == '-' || lower == ' ') {
            if (!words.empty() && words.back() != ' ')
                words += ' ';
        } else if (std::string_view(",;:.!?\"()").find(lower) == std::string_view::npos) {
            words += lower;
        }
    }
    while (!words.empty() && words.back() == ' ')
        words.pop_back();
    return words;
}

// Readings that depend on the words around a number, an abbreviation or a
// numeral, on sentences written for the purpose with what readers say (one
// or more readings each). The share read right must not fall below the mark.
TEST(ReadingTest, ContextReadingsShare) {
    std::ifstream in(ORVANTA_SOURCE_DIR "/tests/engine/data/context_readings.tsv");
    ASSERT_TRUE(in);
    int rows = 0, right[2] = {0, 0};
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::vector<std::string> columns;
        std::stringstream fields(line);
        for (std::string field; std::getline(fields, field, '\t');)
            columns.push_back(field);
        ASSERT_EQ(columns.size(), 3u) << line;
        ++rows;
        const std::u16string written(columns[0].begin(), columns[0].end()); // ASCII
        for (const int british : {0, 1}) {
            const std::string &want = british && columns[2] != "=" ? columns[2] : columns[1];
            ReadingContext context;
            context.variant = british ? Variant::British : Variant::American;
            context.knownWord.test = knownWord;
            context.pauseMarks = false;
            const std::string got = comparable(narrow(readText(written, context)));
            bool match = false;
            std::stringstream readings(want);
            for (std::string reading; std::getline(readings, reading, '|');)
                match = match || comparable(reading) == got;
            right[british] += match ? 1 : 0;
            if (!match)
                std::cout << (british ? "British: " : "American: ") << columns[0] << " -> " << got
                          << "\n";
        }
    }
    ASSERT_GT(rows, 100);
    for (const int british : {0, 1}) {
        const double share = static_cast<double>(right[british]) / rows;
        std::cout << (british ? "British" : "American") << ": " << right[british] << " of " << rows
                  << " read as readers read them\n";
        EXPECT_GE(share, 0.9) << (british ? "British" : "American");
    }
}

struct Boundary {
    const char *name;
    std::u16string_view before;
    std::u16string_view after;
    bool ends;
};

TEST(SentenceEndTest, AbbreviationsInitialsAndRealEnds) {
    const Boundary cases[] = {
        {"ordinary word", u"He left.", u"Then", true},
        {"question", u"Why?", u"Because", true},
        {"end of text", u"He left.", u"", true},
        {"title", u"Ask Mr.", u"Bennet", false},
        {"title without capital after", u"Ask Dr.", u"who", false},
        {"saint", u"in St.", u"Louis", false},
        {"initial", u"J.", u"R.", false},
        {"pronoun I ends", u"So did I.", u"Then", true},
        {"for example", u"fruit, e.g.", u"Pears", false},
        {"lower case continues", u"about approx.", u"ten", false},
        {"number after No.", u"see No.", u"5", false},
        {"number after an ordinary word", u"in the year.", u"1990", true},
        {"initialism before a name", u"the U.S.", u"Army", false},
        {"initialism before a sentence", u"in the U.S.", u"The", true},
        {"etc. before a new sentence", u"and so on, etc.", u"We", true},
        {"etc. before a name", u"cats, etc.", u"Smith", false},
        {"a.m. before a new sentence", u"at 5 a.m.", u"He", true},
        {"ellipsis", u"Wait...", u"Now", true},
        {"after a number", u"in 1990.", u"He", true},
        {"title after an opening quote", u"'Mr.", u"Collins", false},
        {"title after a double quote", u"\"Dr.", u"Watson", false},
        {"quoted word still ends", u"said 'yes.", u"Then", true},
    };
    for (const Boundary &row : cases)
        EXPECT_EQ(endsSentence(row.before, row.after), row.ends) << row.name;
}

} // namespace
} // namespace orvanta
