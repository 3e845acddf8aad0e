#include "engine/reading/reading_numbers.h"
#include "support.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace orvanta {
namespace {

// One row: the sentence with "^" where reading starts, what each variant
// says, and the text left after what was read. "=" as the American reading
// means "as the British".
struct Row {
    const char *name;
    std::u16string text;
    std::u16string british, american;
    std::u16string rest;
};

using test_support::narrow;

void check(const Row &row) {
    SCOPED_TRACE(row.name);
    const std::size_t pos = row.text.find(u'^');
    ASSERT_NE(pos, std::u16string::npos);
    const std::u16string text = row.text.substr(0, pos) + row.text.substr(pos + 1);
    for (const Variant variant : {Variant::British, Variant::American}) {
        const std::u16string &want =
            variant == Variant::British || row.american == u"=" ? row.british : row.american;
        std::u16string out = u"kept";
        const std::size_t used = readNumericAt(text, pos, variant, out);
        const bool british = variant == Variant::British;
        if (want.empty()) {
            EXPECT_EQ(used, 0u) << (british ? "British" : "American");
            EXPECT_EQ(narrow(out), "kept");
            continue;
        }
        EXPECT_EQ(narrow(out), "kept" + narrow(want)) << (british ? "British" : "American");
        EXPECT_EQ(narrow(text.substr(pos + used)), narrow(row.rest))
            << (british ? "British" : "American");
    }
}

void checkAll(std::initializer_list<Row> rows) {
    for (const Row &row : rows)
        check(row);
}

TEST(ReadingNumbers, Cardinals) {
    checkAll({
        {"zero", u"^0 left", u"zero", u"=", u" left"},
        {"teen", u"^13.", u"thirteen", u"=", u"."},
        {"and after hundreds", u"^305 men", u"three hundred and five", u"three hundred five",
         u" men"},
        {"and before a last group below a hundred", u"^1005 men", u"one thousand and five",
         u"one thousand five", u" men"},
        {"thousands separators", u"^464,000 people", u"four hundred and sixty four thousand",
         u"four hundred sixty four thousand", u" people"},
        {"millions", u"^2,000,017", u"two million and seventeen", u"two million seventeen", u""},
        {"a comma in a list is no separator", u"^1,23", u"one", u"=", u",23"},
        {"leading zeros read digit by digit", u"^007 licence", u"oh oh seven", u"=", u" licence"},
        {"too long for words", u"^1234567890123456789012",
         u"one two three four five six seven "
         u"eight nine oh one two three four five six seven eight nine oh one two",
         u"=", u""},
        {"a count after a page number", u"p. ^1984", u"one thousand nine hundred and eighty four",
         u"one thousand nine hundred eighty four", u""},
        {"over the years", u"^2500 ", u"two thousand five hundred", u"=", u" "},
        {"an initial is no page", u"Lee, K (^1977)", u"nineteen seventy seven", u"=", u")"},
        {"book number", u"ISBN ^978-1-23-456789-0 x",
         u"nine seven eight one two three four five six seven eight nine oh", u"=", u" x"},
        {"thousand as a word", u"^5 thousand men", u"five thousand", u"=", u" men"},
        {"round hundreds", u"some ^1700 pupils", u"seventeen hundred", u"=", u" pupils"},
        {"round hundreds above two thousand", u"^3400 left", u"three thousand four hundred", u"=",
         u" left"},
        {"k after the digits", u"^5k run", u"five thousand", u"=", u" run"},
        {"a capital K is no thousand", u"^4K screen", u"four", u"=", u"K screen"},
    });
}

TEST(ReadingNumbers, DecimalsAndSigns) {
    checkAll({
        {"point", u"^2.5 times", u"two point five", u"=", u" times"},
        {"zeros after the point", u"^3.05", u"three point oh five", u"=", u""},
        {"below one", u"^0.36", u"zero point three six", u"=", u""},
        {"no whole", u"^.5", u"point five", u"=", u""},
        {"full stop after a number", u"^42.", u"forty two", u"=", u"."},
        {"minus", u"it was ^-5 at night", u"minus five", u"=", u" at night"},
        {"unicode minus", u"^\u22123.5", u"minus three point five", u"=", u""},
        {"plus", u"^+5", u"plus five", u"=", u""},
        {"a hyphen inside a word is no sign", u"F^-16", u"", u"", u""},
        {"version numbers", u"^1.2.3 out", u"one point two point three", u"=", u" out"},
    });
}

TEST(ReadingNumbers, LimitsOfWords) {
    checkAll({
        {"largest in words", u"^999,999,999,999,999,999",
         u"nine hundred and ninety nine quadrillion nine hundred and ninety nine trillion nine "
         u"hundred and ninety nine billion nine hundred and ninety nine million nine hundred and "
         u"ninety nine thousand nine hundred and ninety nine",
         u"nine hundred ninety nine quadrillion nine hundred ninety nine trillion nine hundred "
         u"ninety nine billion nine hundred ninety nine million nine hundred ninety nine thousand "
         u"nine hundred ninety nine",
         u""},
        {"one digit more", u"^1,000,000,000,000,000,000 stars", u"one quintillion", u"=",
         u" stars"},
        {"sextillions", u"^12,000,000,000,000,000,000,005", u"twelve sextillion and five",
         u"twelve sextillion five", u""},
        {"a million exactly", u"^1000000", u"one million", u"=", u""},
        {"hundred thousand and", u"^100,001", u"one hundred thousand and one",
         u"one hundred thousand one", u""},
    });
}

TEST(ReadingNumbers, Ordinals) {
    checkAll({
        {"eleventh", u"^11th", u"eleventh", u"=", u""},
        {"thirteenth", u"^13th", u"thirteenth", u"=", u""},
        {"hundred and eleventh", u"^111th", u"one hundred and eleventh", u"one hundred eleventh",
         u""},
        {"hundred and first", u"^101st", u"one hundred and first", u"one hundred first", u""},
        {"ninetieth", u"^90th", u"ninetieth", u"=", u""},
        {"first", u"^1st place", u"first", u"=", u" place"},
        {"twenty second", u"^22nd", u"twenty second", u"=", u""},
        {"hundred and third", u"^103rd", u"one hundred and third", u"one hundred third", u""},
        {"twelfth", u"^12th", u"twelfth", u"=", u""},
        {"twentieth", u"^20th", u"twentieth", u"=", u""},
        {"capitals", u"^53RD AVENUE", u"fifty third", u"=", u" AVENUE"},
        {"thousandth", u"^1,000th", u"one thousandth", u"=", u""},
        {"not a suffix", u"^5 stone", u"five", u"=", u" stone"},
    });
}

TEST(ReadingNumbers, Fractions) {
    checkAll({
        {"quarter", u"^1/4 cup", u"one quarter", u"=", u" cup"},
        {"thirds", u"^2/3 of", u"two thirds", u"=", u" of"},
        {"eighths", u"^5/8", u"five eighths", u"=", u""},
        {"half sign", u"^\u00BD", u"one half", u"=", u""},
        {"three quarters sign", u"^\u00BE cup", u"three quarters", u"=", u" cup"},
        {"whole and sign", u"^3\u00BD mi", u"three and a half miles", u"=", u""},
        {"whole and fraction", u"^3 1/2 hours", u"three and a half", u"=", u" hours"},
        {"whole and quarters", u"^2 3/4", u"two and three quarters", u"=", u""},
        {"round the clock", u"^24/7", u"twenty four seven", u"=", u""},
        {"even chances", u"a ^50/50 chance", u"fifty fifty", u"=", u" chance"},
        {"marks", u"^98/100 marks", u"ninety eight out of one hundred", u"=", u" marks"},
        {"a denominator of four digits", u"^1/1999 of",
         u"one one thousand nine hundred and ninety ninth",
         u"one one thousand nine hundred ninety ninth", u" of"},
        {"ten thousandths", u"^3/10000", u"three ten thousandths", u"=", u""},
    });
}

TEST(ReadingNumbers, YearsAndDecades) {
    checkAll({
        {"after in", u"in ^1984 he", u"nineteen eighty four", u"=", u" he"},
        {"with and", u"in ^2001", u"two thousand and one", u"two thousand one", u""},
        {"twenty ten", u"in ^2010", u"twenty ten", u"=", u""},
        {"hundred", u"by ^1900,", u"nineteen hundred", u"=", u","},
        {"oh", u"in ^1905", u"nineteen oh five", u"=", u""},
        {"two thousand", u"in ^2000", u"two thousand", u"=", u""},
        {"eleventh century", u"in ^1066", u"ten sixty six", u"=", u""},
        {"no cue", u"the ^1992 games", u"nineteen ninety two", u"=", u" games"},
        {"a count", u"^1250 years", u"one thousand two hundred and fifty",
         u"one thousand two hundred fifty", u" years"},
        {"beyond years", u"the ^2500 games", u"two thousand five hundred", u"=", u" games"},
        {"grouped is a count", u"^1,984", u"one thousand nine hundred and eighty four",
         u"one thousand nine hundred eighty four", u""},
        {"decade", u"the ^1990s", u"nineteen nineties", u"=", u""},
        {"decade with its s set apart", u"in the ^1960 s music", u"nineteen sixties", u"=",
         u" music"},
        {"decade with apostrophe", u"the ^1920's", u"nineteen twenties", u"=", u""},
        {"decade set apart before a full stop", u"the ^1970 s.", u"nineteen seventies", u"=", u"."},
        {"two-digit decade set apart", u"the ^80 s were", u"eighties", u"=", u" were"},
        {"shillings are no decade", u"^5 s. 6 d.", u"five", u"=", u" s. 6 d."},
        {"century", u"the ^1800s", u"eighteen hundreds", u"=", u""},
        {"noughties", u"the ^2000s", u"two thousands", u"=", u""},
        {"short decade", u"the ^'90s", u"nineties", u"=", u""},
        {"typographic apostrophe", u"the ^\u201960s", u"sixties", u"=", u""},
        {"short year", u"of ^'63 we", u"sixty three", u"=", u" we"},
        {"short year with oh", u"class of ^'05", u"oh five", u"=", u""},
        {"two digit decade", u"in his ^20s", u"twenties", u"=", u""},
        {"short decade with apostrophe s", u"the ^'40's.", u"forties", u"=", u"."},
        {"before Christ", u"in ^612 B.C.", u"six twelve", u"=", u" B.C."},
        {"round hundreds before Christ", u"^700 BC", u"seven hundred", u"=", u" BC"},
        {"anno domini", u"A.D. ^1016-1035", u"ten sixteen to ten thirty five", u"=", u""},
        {"era range", u"^150-120 BC", u"one fifty to one twenty", u"=", u" BC"},
        {"a plural count", u"a crew of ^1234 sailors", u"one thousand two hundred and thirty four",
         u"one thousand two hundred thirty four", u" sailors"},
        {"a year before a plural", u"the ^1990 elections", u"nineteen ninety", u"=", u" elections"},
        {"after by", u"by ^1087.", u"ten eighty seven", u"=", u"."},
        {"apostrophe in a word", u"rock^'n", u"", u"", u""},
    });
}

TEST(ReadingNumbers, Ranges) {
    checkAll({
        {"counts", u"^5-10 people", u"five to ten", u"=", u" people"},
        {"en dash", u"pages ^12\u201315", u"twelve to fifteen", u"=", u""},
        {"spaced", u"^1 - 2 ,", u"one to two", u"=", u" ,"},
        {"years", u"(^1914-1918)", u"nineteen fourteen to nineteen eighteen", u"=", u")"},
        {"years short", u"^1990\u201395", u"nineteen ninety to ninety five", u"=", u""},
        {"hyphen before a word", u"^48-hour", u"forty eight", u"=", u"-hour"},
        {"with a unit", u"^5-10 km", u"five to ten kilometres", u"five to ten kilometers", u""},
        {"with per cent", u"^5\u201310%", u"five to ten percent", u"=", u""},
    });
}

TEST(ReadingNumbers, DigitGroups) {
    checkAll({
        {"network address", u"ping ^192.168.0.1 now",
         u"one nine two dot one six eight dot zero dot one", u"=", u" now"},
        {"a version of three parts is no address", u"^1.2.3 out", u"one point two point three",
         u"=", u" out"},
        {"international", u"^+44 20 7946 0958.",
         u"plus four four two oh seven nine four six oh "
         u"nine five eight",
         u"=", u"."},
        {"local", u"^555-1234", u"five five five one two three four", u"=", u""},
        {"toll free", u"^1-800-555-0199", u"one eight oh oh five five five oh one nine nine", u"=",
         u""},
        {"brackets and dots", u"^+1 (555) 123-4567 now",
         u"plus one five five five one two three four five six seven", u"=", u" now"},
        {"a lone plus", u"^+1 (555)", u"plus one", u"=", u" (555)"},
        {"trunk prefix", u"^020 7946 0958", u"oh two oh seven nine four six oh nine five eight",
         u"=", u""},
        {"ZIP code after a state", u"Austin, TX ^78701.", u"seven eight seven oh one", u"=", u"."},
        {"ZIP and four", u"DC ^20500-0003", u"two oh five oh oh oh oh oh three", u"=", u""},
        {"a state's code that is a word needs an address's comma", u"IN ^12345 cases",
         u"twelve thousand three hundred and forty five",
         u"twelve thousand three hundred forty five", u" cases"},
        {"area code in brackets", u"call (^555) 123-4567 now",
         u"five five five one two three four five six seven", u"=", u" now"},
        {"trunk prefix in brackets", u"(^020) 7946 0000.",
         u"oh two oh seven nine four six oh oh oh oh", u"=", u"."},
        {"a year in brackets is no area code", u"(^2000) 12", u"two thousand", u"=", u") 12"},
        {"three, three and four digits spaced", u"^555 123 4567",
         u"five five five one two three four five six seven", u"=", u""},
        {"three, three and four digits dotted", u"^555.123.4567.",
         u"five five five one two three four five six seven", u"=", u"."},
    });
}

TEST(ReadingNumbers, Money) {
    checkAll({
        {"won sign", u"^\u20A95000 each", u"five thousand won", u"=", u" each"},
        {"lira sign", u"^\u20BA20 a day", u"twenty lira", u"=", u" a day"},
        {"shekel sign", u"^\u20AA1 only", u"one shekel", u"=", u" only"},
        {"rouble sign", u"^\u20BD300", u"three hundred roubles", u"=", u""},
        {"baht sign", u"^\u0E3F40", u"forty baht", u"=", u""},
        {"kronor after the amount", u"^250 SEK", u"two hundred and fifty swedish kronor",
         u"two hundred fifty swedish kronor", u""},
        {"zloty sign after", u"^2 z\u0142 left", u"two zlotys", u"=", u" left"},
        {"yuan code", u"^8 CNY", u"eight yuan", u"=", u""},
        {"krone code singular", u"^1 DKK", u"one danish krone", u"=", u""},
        {"dollars", u"^$5 each", u"five dollars", u"=", u" each"},
        {"one dollar", u"^$1", u"one dollar", u"=", u""},
        {"no cents", u"^$1.00.", u"one dollar", u"=", u"."},
        {"cents", u"^$4.25 a", u"four dollars and twenty five cents", u"=", u" a"},
        {"one cent", u"^$2.01", u"two dollars and one cent", u"=", u""},
        {"cents only", u"^$0.99", u"ninety nine cents", u"=", u""},
        {"pounds and pence", u"^\u00A33.50", u"three pounds fifty", u"=", u""},
        {"pence only", u"^\u00A30.50", u"fifty pence", u"=", u""},
        {"one pound", u"^\u00A31", u"one pound", u"=", u""},
        {"billions", u"^$1.13bn", u"one point one three billion dollars", u"=", u""},
        {"millions", u"^\u00A3600m", u"six hundred million pounds", u"=", u""},
        {"million as a word", u"^$5 million.", u"five million dollars", u"=", u"."},
        {"spaced symbol", u"^$ 340 million a", u"three hundred and forty million dollars",
         u"three hundred forty million dollars", u" a"},
        {"thousands", u"^\u20AC20k", u"twenty thousand euros", u"=", u""},
        {"grouped", u"^$7,000,000", u"seven million dollars", u"=", u""},
        {"yen", u"^\u00A5500", u"five hundred yen", u"=", u""},
        {"range", u"^$5-10", u"five to ten dollars", u"=", u""},
        {"range of millions", u"^$5m-$10m", u"five million dollars to ten million dollars", u"=",
         u""},
        {"symbol after", u"^20\u20AC", u"twenty euros", u"=", u""},
        {"code after", u"^5 USD each", u"five u s dollars", u"=", u" each"},
        {"one euro by code", u"^1 EUR", u"one euro", u"=", u""},
        {"a sum by code is no year", u"^1984 GBP",
         u"one thousand nine hundred and eighty four pounds",
         u"one thousand nine hundred eighty four pounds", u""},
        {"code run into a word", u"^5 EURO", u"five", u"=", u" EURO"},
        {"pence after", u"^50p", u"fifty pence", u"=", u""},
        {"a picture size is no money", u"^1080p", u"one thousand and eighty",
         u"one thousand eighty", u"p"},
        {"a year is never money", u"^$1984", u"one thousand nine hundred and eighty four dollars",
         u"one thousand nine hundred eighty four dollars", u""},
        {"no digits", u"^$ and", u"", u"", u""},
        {"grouped with cents", u"^$1,000.50", u"one thousand dollars and fifty cents", u"=", u""},
        {"one cent", u"^$0.01", u"one cent", u"=", u""},
        {"one penny", u"^\u00A30.01", u"one penny", u"=", u""},
        {"three decimals", u"^$1.125", u"one point one two five dollars", u"=", u""},
        {"fraction of a million", u"^\u00A31.5m", u"one point five million pounds", u"=", u""},
        {"a word after the symbol", u"^\u00A3 sterling", u"", u"", u""},
        {"code before the amount", u"^CHF 20 or", u"twenty swiss francs", u"=", u" or"},
        {"code after an amount with cents", u"^5.50 USD", u"five u s dollars and fifty cents", u"=",
         u""},
        {"code before an amount with cents", u"^USD 1.50", u"one u s dollar and fifty cents", u"=",
         u""},
        {"letters before a dollar sign", u"^R$ 15.", u"fifteen reals", u"=", u"."},
        {"a dollar of another country", u"^A$5bn", u"five billion australian dollars", u"=", u""},
        {"rupees before the amount", u"^Rs. 500", u"five hundred rupees", u"=", u""},
        {"a code without an amount", u"^USD rose", u"", u"", u""},
    });
}

TEST(ReadingNumbers, PercentAndUnits) {
    checkAll({
        {"per cent", u"^76%", u"seventy six percent", u"=", u""},
        {"spaced per cent", u"^12.5 % of", u"twelve point five percent", u"=", u" of"},
        {"kilograms", u"^2.5 kg", u"two point five kilograms", u"=", u""},
        {"one kilogram", u"^1 kg", u"one kilogram", u"=", u""},
        {"metres", u"^37 m)", u"thirty seven metres", u"thirty seven meters", u")"},
        {"not a unit", u"^24 men", u"twenty four", u"=", u" men"},
        {"square", u"^12.75 km\u00B2", u"twelve point seven five square kilometres",
         u"twelve point seven five square kilometers", u""},
        {"square miles", u"^2.04 sq mi", u"two point oh four square miles", u"=", u""},
        {"speed", u"^70 mph", u"seventy miles per hour", u"=", u""},
        {"per hour", u"^90 km/h", u"ninety kilometres per hour", u"ninety kilometers per hour",
         u""},
        {"celsius", u"^20\u00B0C", u"twenty degrees celsius", u"=", u""},
        {"fahrenheit", u"^-3 \u00B0F", u"minus three degrees fahrenheit", u"=", u""},
        {"degrees", u"^90\u00B0 turn", u"ninety degrees", u"=", u" turn"},
        {"one foot", u"^1 ft", u"one foot", u"=", u""},
        {"feet and inches", u"^6 ft 2 in tall", u"six feet two inches", u"=", u" tall"},
        {"stone and pounds", u"^14 st 7 lb.", u"fourteen stone seven pounds", u"=", u"."},
        {"ordinal is no stone", u"^1st", u"first", u"=", u""},
        {"nought is plural", u"^0 kg", u"zero kilograms", u"=", u""},
        {"one and a half is plural", u"^1.5 kg", u"one point five kilograms", u"=", u""},
        {"minus one is singular", u"^-1 \u00B0C", u"minus one degree celsius", u"=", u""},
        {"inches attached", u"^12in", u"twelve inches", u"=", u""},
        {"in is a word", u"^5 in the", u"five", u"=", u" in the"},
        {"gigabytes", u"^16 GB", u"sixteen gigabytes", u"=", u""},
        {"gigahertz", u"^3.2GHz", u"three point two gigahertz", u"=", u""},
        {"dimensions", u"^4x4 drive", u"four by four", u"=", u" drive"},
        {"dimensions with a unit", u"^3 \u00D7 4 m", u"three by four metres",
         u"three by four meters", u""},
        {"spaced x before a unit", u"^10 x 20 cm", u"ten by twenty centimetres",
         u"ten by twenty centimeters", u""},
        {"spaced x without a unit", u"^5 x 3", u"five", u"=", u" x 3"},
        {"height", u"^5'11\" tall", u"five foot eleven", u"=", u" tall"},
        {"hyphenated unit is singular", u"a ^10-km race", u"ten kilometre", u"ten kilometer",
         u" race"},
        {"pounds weight", u"^5 lbs", u"five pounds", u"=", u""},
        {"an initial is no unit", u"^12 W. Main", u"twelve", u"=", u" W. Main"},
        {"per unit", u"^150.0/km2", u"one hundred and fifty point zero per square kilometre",
         u"one hundred fifty point zero per square kilometer", u""},
        {"unit per unit", u"^5 kg/m3", u"five kilograms per cubic metre",
         u"five kilograms per cubic meter", u""},
        {"capitals run into the number", u"^40KG and", u"forty kilograms", u"=", u" and"},
        {"kilo with a capital K", u"^2 Kg", u"two kilograms", u"=", u""},
        {"speed in capitals", u"^3 KM/H", u"three kilometres per hour",
         u"three kilometers per hour", u""},
        {"capitals that spell a word stay", u"^10 SEC rules", u"ten", u"=", u" SEC rules"},
        {"bit rate in lower case", u"^5 gbps", u"five gigabits per second", u"=", u""},
        {"bytes in lower case", u"^5 mb free", u"five megabytes", u"=", u" free"},
        {"bits keep their small b", u"^2 Mb", u"two megabits", u"=", u""},
        {"per second", u"^3 ml/s.", u"three millilitres per second",
         u"three milliliters per second", u"."},
        {"acceleration", u"^9.8 m/s\u00B2", u"nine point eight metres per second squared",
         u"nine point eight meters per second squared", u""},
        {"teaspoons", u"^2 tsp salt", u"two teaspoons", u"=", u" salt"},
        {"micro as the Greek letter mu", u"^2.5 \u03BCm", u"two point five micrometres",
         u"two point five micrometers", u""},
    });
}

TEST(ReadingNumbers, Times) {
    checkAll({
        {"half past", u"at ^5:30.", u"five thirty", u"=", u"."},
        {"twenty four hours", u"^17:45", u"seventeen forty five", u"=", u""},
        {"oh minutes", u"^5:05", u"five oh five", u"=", u""},
        {"on the hour", u"^10:00 sharp", u"ten o'clock", u"=", u" sharp"},
        {"hundred hours", u"^18:00", u"eighteen hundred", u"=", u""},
        {"noon", u"^12:00 noon", u"twelve", u"=", u" noon"},
        {"midnight", u"at ^00:00.", u"midnight", u"=", u"."},
        {"zero hundred hours", u"^00:00 hours", u"zero hundred", u"=", u" hours"},
        {"pm attached", u"^5pm", u"five pm", u"=", u""},
        {"p.m.", u"^5 p.m. on", u"five pm", u"=", u" on"},
        {"p.m without its last stop", u"at ^7 p.m tonight", u"seven pm", u"=", u" tonight"},
        {"a.m without its last stop", u"at ^6:15 a.m", u"six fifteen eyem", u"=", u""},
        {"capitals", u"^5 PM", u"five pm", u"=", u""},
        {"spaced capitals", u"^3:00 P. M.,", u"three pm", u"=", u","},
        {"morning", u"^6:52 a.m.", u"six fifty two eyem", u"=", u""},
        {"full stop form", u"^11.15 p.m.", u"eleven fifteen pm", u"=", u""},
        {"four digits", u"at ^0815 am", u"eight fifteen eyem", u"=", u""},
        {"seconds", u"^18:30:05", u"eighteen thirty and five seconds", u"=", u""},
        {"ratio", u"^25:61", u"twenty five to sixty one", u"=", u""},
        {"spaced ratio", u"scale ^1 : 250,000 map", u"one to two hundred and fifty thousand",
         u"one to two hundred fifty thousand", u" map"},
        {"hours of opening", u"^9am-5pm daily", u"nine eyem to five pm", u"=", u" daily"},
        {"clock range", u"^9:00 \u2013 17:30,", u"nine o'clock to seventeen thirty", u"=", u","},
        {"a time and a count", u"^9am-5 staff", u"nine eyem", u"=", u"-5 staff"},
        {"am the verb", u"I, ^5 am I", u"five", u"=", u" am I"},
        {"hours abbreviated", u"at ^21:00 hrs.", u"twenty one hundred hours", u"=", u"."},
    });
}

TEST(ReadingNumbers, Dates) {
    checkAll({
        {"day month year", u"on ^20 June 1908 we", u"the twentieth of june nineteen oh eight", u"=",
         u" we"},
        {"after the", u"the ^17th of May", u"seventeenth of may", u"=", u""},
        {"ordinal day", u"^1st of May, 1900.", u"first of may nineteen hundred", u"=", u"."},
        {"month day year", u"^June 11th, 1906,", u"june eleventh nineteen oh six", u"=", u","},
        {"spaced comma", u"^June 11 , 1906 .", u"june eleventh nineteen oh six", u"=", u" ."},
        {"abbreviated month", u"^Sept. 14th, 1702", u"september fourteenth seventeen oh two", u"=",
         u""},
        {"month year", u"^June 2015", u"june twenty fifteen", u"=", u""},
        {"an early year", u"^March 3, 476.", u"march third four seventy six", u"=", u"."},
        {"a count after a date", u"^March 3, 500 men", u"march third", u"=", u", 500 men"},
        {"days in a month", u"^June 5-7, 2021", u"june fifth to seventh twenty twenty one", u"=",
         u""},
        {"days before a month", u"^5\u20137 June", u"the fifth to the seventh of june", u"=", u""},
        {"not a range of days", u"^June 7-5", u"june seventh", u"=", u"-5"},
        {"capitals", u"^MARCH 7.", u"march seventh", u"=", u"."},
        {"iso", u"(^2008-09-30)", u"the thirtieth of september two thousand and eight",
         u"the thirtieth of september two thousand eight", u")"},
        {"numeric", u"^3/4/2024", u"the third of april twenty twenty four",
         u"march fourth twenty twenty four", u""},
        {"numeric only one way", u"^12/25/2024", u"the twenty fifth of december twenty twenty four",
         u"december twenty fifth twenty twenty four", u""},
        {"dotted", u"^30.09.2008", u"the thirtieth of september two thousand and eight",
         u"september thirtieth two thousand eight", u""},
        {"month and year after a word dates follow", u"since ^5/2019 it", u"may twenty nineteen",
         u"=", u" it"},
        {"two digit year", u"^3/4/99", u"the third of april ninety nine",
         u"march fourth ninety nine", u""},
        {"may the verb", u"^May I", u"", u"", u""},
        {"month without a day", u"^June is", u"", u"", u""},
        {"lower case month", u"^may 5", u"", u"", u""},
        {"lower-case abbreviation", u"^aug 3 2019", u"august third twenty nineteen", u"=", u""},
        {"lower-case abbreviation after the day", u"^3 aug 2019",
         u"the third of august twenty nineteen", u"=", u""},
        {"lower-case may with a year", u"^may 3, 2019.", u"may third twenty nineteen", u"=", u"."},
        {"march the verb", u"^march 3 miles", u"", u"", u""},
        {"may the verb after a number", u"^3 may go", u"three", u"=", u" may go"},
        {"the day of a lower-case may", u"the ^3rd of may", u"third of may", u"=", u""},
        {"a day too many", u"^June 32", u"", u"", u""},
    });
}

// Every reading, wherever it starts in text made of the characters numbers
// are written with, stays inside the text and says only plain words.
TEST(ReadingNumbers, AnyTextReadsIntoPlainWords) {
    const std::u16string alphabet =
        u"0123456789,.:/- +'$\u00A3\u20AC%\u00BD\u00B0\u2013stndrhkmMBJuneMayADpa";
    std::mt19937 random(12345);
    for (int round = 0; round < 300; ++round) {
        std::u16string text;
        for (int i = 0; i < 40; ++i)
            text += alphabet[random() % alphabet.size()];
        for (const Variant variant : {Variant::British, Variant::American}) {
            for (std::size_t pos = 0; pos < text.size(); ++pos) {
                std::u16string out;
                const std::size_t used = readNumericAt(text, pos, variant, out);
                ASSERT_LE(used, text.size() - pos) << narrow(text);
                ASSERT_EQ(used == 0, out.empty()) << narrow(text) << " at " << pos;
                for (std::size_t i = 0; i < out.size(); ++i) {
                    const char16_t c = out[i];
                    ASSERT_TRUE((c >= u'a' && c <= u'z') || c == u'\'' ||
                                (c == u' ' && i > 0 && i + 1 < out.size() && out[i + 1] != u' '))
                        << narrow(out);
                }
            }
        }
    }
}

// Long runs read in one pass: a digit string of a million digits is read
// digit by digit, and spaces between a number and the next word are no
// reason to look further than the next word.
TEST(ReadingNumbers, LongInputsReadOnce) {
    const std::u16string digits(1 << 20, u'7');
    std::u16string out;
    EXPECT_EQ(readNumericAt(digits, 0, Variant::British, out), digits.size());
    EXPECT_EQ(out.size(), digits.size() * 6 - 1);

    // Spaced groups after a trunk zero are one telephone-like number, read
    // in one call and digit by digit, so no later group is read again.
    std::u16string groups, ohs;
    for (int i = 0; i < 20000; ++i) {
        groups += u"000 ";
        ohs += i == 0 ? u"oh oh oh" : u" oh oh oh";
    }
    out.clear();
    EXPECT_EQ(readNumericAt(groups, 0, Variant::British, out), groups.size() - 1);
    EXPECT_TRUE(out == ohs);

    const std::u16string spaced = u"5" + std::u16string(1 << 20, u' ') + u"kg";
    out.clear();
    EXPECT_EQ(readNumericAt(spaced, 0, Variant::American, out), 1u);
    EXPECT_EQ(narrow(out), "five");
}

TEST(ReadingNumbers, NothingNumericLeavesOutputAlone) {
    checkAll({
        {"a letter", u"^x1", u"", u"", u""},
        {"a lone sign", u"^- x", u"", u"", u""},
        {"a lone apostrophe", u"^'s", u"", u"", u""},
        {"at the end", u"x^", u"", u"", u""},
    });
}

} // namespace
} // namespace orvanta
