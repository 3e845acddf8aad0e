// Tables only: the English affixes that word formation recognises, with
// their sounds in phonetic code, and the short words that may be a part of a
// compound.
#pragma once

#include <string_view>

namespace orvanta::rules::formation {

enum class PrefixStress {
    None, // "un" before a stressed stem: An'kaInd
    Own,  // the prefix's own marks as written, the stem keeps its primary
};

struct Prefix {
    std::u16string_view spelling;
    std::u16string_view british;
    std::u16string_view american;
    PrefixStress stress;
    // Letters the stem may begin with; empty for any.
    std::u16string_view stemStarts;
    // Whether the stem must end in a learned suffix (learnedEnds) or must
    // not: the privative a- of "a-moral" before an adjective of Latin or
    // Greek make, the a- of "a-glow" before a native word.
    enum class Stem { Any, Learned, Native } stem = Stem::Any;
};

inline constexpr std::u16string_view learnedEnds[] = {u"ic",  u"ical", u"ically", u"al",  u"ally",
                                                      u"ous", u"ism",  u"ist",    u"ity", u"ia",
                                                      u"ant", u"ent",  u"ate",    u"ive"};

// Longest spelling first within a shared beginning, so that "under" is
// tried before "un" and "inter" before "in".
inline constexpr Prefix prefixes[] = {
    {u"counter", u"\"kauntq", u"\"kauntqr", PrefixStress::Own, {}},
    {u"under", u"\"Andq", u"\"Andqr", PrefixStress::Own, {}},
    {u"un", u"An", u"An", PrefixStress::None, {}},
    {u"inter", u"\"Intq", u"\"Intqr", PrefixStress::Own, {}},
    {u"in", u"In", u"In", PrefixStress::None, u"acdefghjknoqstuvwy"},
    {u"im", u"Im", u"Im", PrefixStress::None, u"bp"},
    {u"im", u"I", u"I", PrefixStress::None, u"m"},
    {u"il", u"I", u"I", PrefixStress::None, u"l"},
    {u"ir", u"I", u"I", PrefixStress::None, u"r"},
    {u"re", u"\"rJ", u"\"rJ", PrefixStress::Own, {}},
    {u"non", u"\"nPn", u"\"nRn", PrefixStress::Own, {}},
    {u"dis", u"dIs", u"dIs", PrefixStress::None, {}},
    {u"mis", u"\"mIs", u"\"mIs", PrefixStress::Own, {}},
    {u"over", u"\"quvq", u"\"ouvqr", PrefixStress::Own, {}},
    {u"out", u"\"aut", u"\"aut", PrefixStress::Own, {}},
    {u"pre", u"\"prJ", u"\"prJ", PrefixStress::Own, {}},
    {u"post", u"\"pqust", u"\"poust", PrefixStress::Own, {}},
    {u"anti", u"\"xnti", u"\"xnti", PrefixStress::Own, {}},
    {u"sub", u"\"sAb", u"\"sAb", PrefixStress::Own, {}},
    {u"super", u"\"sHpq", u"\"sHpqr", PrefixStress::Own, {}},
    {u"semi", u"\"semi", u"\"semi", PrefixStress::Own, {}},
    {u"multi", u"\"mAlti", u"\"mAlti", PrefixStress::Own, {}},
    {u"mid", u"\"mId", u"\"mId", PrefixStress::Own, {}},
    {u"de", u"\"dJ", u"\"dJ", PrefixStress::Own, u"bcfgmnst"},
    {u"fore", u"\"fL", u"\"fLr", PrefixStress::Own, {}},
    {u"hyper", u"\"haIpq", u"\"haIpqr", PrefixStress::Own, {}},
    {u"micro", u"\"maIkrqu", u"\"maIkrou", PrefixStress::Own, {}},
    {u"mega", u"\"megq", u"\"megq", PrefixStress::Own, {}},
    {u"ultra", u"\"Altrq", u"\"Altrq", PrefixStress::Own, {}},
    {u"cyber", u"\"saIbq", u"\"saIbqr", PrefixStress::Own, {}},
    {u"auto", u"\"Ltqu", u"\"Ltou", PrefixStress::Own, {}},
    {u"bio", u"\"baIqu", u"\"baIou", PrefixStress::Own, {}},
    {u"extra", u"\"ekstrq", u"\"ekstrq", PrefixStress::Own, {}},
    {u"trans", u"\"trxnz", u"\"trxnz", PrefixStress::Own, {}},
    {u"tri", u"\"traI", u"\"traI", PrefixStress::Own, u"cdflmnprstv"},
    {u"bi", u"\"baI", u"\"baI", PrefixStress::Own, u"cdflmnprstv"},
    {u"be", u"bI", u"bI", PrefixStress::None, u"cdfghjklmnsw"},
    {u"en", u"en", u"en", PrefixStress::None, u"cdfgjlrstvw"},
    {u"em", u"Im", u"Im", PrefixStress::None, u"bp"},
    {u"macro", u"\"mxkrqu", u"\"mxkrou", PrefixStress::Own, {}},
    {u"neo", u"\"nJqu", u"\"nJou", PrefixStress::Own, {}},
    {u"pseudo", u"\"sHdqu", u"\"sHdou", PrefixStress::Own, {}},
    {u"proto", u"\"prqutqu", u"\"proutou", PrefixStress::Own, {}},
    {u"poly", u"\"pPli", u"\"pRli", PrefixStress::Own, {}},
    {u"mono", u"\"mPnqu", u"\"mRnou", PrefixStress::Own, {}},
    {u"cross", u"\"krPs", u"\"krLs", PrefixStress::Own, {}},
    {u"self", u"\"self", u"\"self", PrefixStress::Own, {}},
    {u"vice", u"\"vaIs", u"\"vaIs", PrefixStress::Own, {}},
    {u"arch", u"\"RC", u"\"RrC", PrefixStress::Own, {}},
    {u"infra", u"\"Infrq", u"\"Infrq", PrefixStress::Own, {}},
    {u"intra", u"\"Intrq", u"\"Intrq", PrefixStress::Own, {}},
    {u"mini", u"\"mIni", u"\"mIni", PrefixStress::Own, {}},
    {u"retro", u"\"retrqu", u"\"retrou", PrefixStress::Own, {}},
    {u"tele", u"\"telI", u"\"telq", PrefixStress::Own, {}},
    {u"photo", u"\"fqutqu", u"\"foutou", PrefixStress::Own, {}},
    {u"geo", u"\"GJqu", u"\"GJou", PrefixStress::Own, {}},
    {u"thermo", u"\"TE:mqu", u"\"TE:rmou", PrefixStress::Own, {}},
    {u"a", u"\"eI", u"\"eI", PrefixStress::Own, u"bcdfglmnprstvwz", Prefix::Stem::Learned},
    {u"a", u"q", u"q", PrefixStress::None, u"bcdfglmnprstvwz", Prefix::Stem::Native},
};

enum class SuffixStress {
    None,      // unstressed after the stem's primary
    Secondary, // a secondary of its own: 'leIdi"laIk
    Shift,     // takes the primary; the stem's becomes secondary
};

struct Suffix {
    std::u16string_view spelling;
    std::u16string_view british;
    std::u16string_view american;
    SuffixStress stress;
    // The stem's spelling must end so ("ally" only after "ic").
    std::u16string_view stemEnds;
};

// Longest spelling first among those sharing an ending.
inline constexpr Suffix suffixes[] = {
    {u"ization", u"aI'zeISqn", u"aI'zeISqn", SuffixStress::Shift, {}},
    {u"isation", u"aI'zeISqn", u"aI'zeISqn", SuffixStress::Shift, {}},
    {u"lessness", u"lqsnqs", u"lqsnqs", SuffixStress::None, {}},
    {u"lessly", u"lqsli", u"lqsli", SuffixStress::None, {}},
    {u"fulness", u"fqlnqs", u"fqlnqs", SuffixStress::None, {}},
    {u"ishness", u"ISnqs", u"ISnqs", SuffixStress::None, {}},
    {u"ishly", u"ISli", u"ISli", SuffixStress::None, {}},
    {u"ness", u"nqs", u"nqs", SuffixStress::None, {}},
    {u"less", u"lqs", u"lqs", SuffixStress::None, {}},
    {u"ful", u"fql", u"fql", SuffixStress::None, {}},
    {u"ish", u"IS", u"IS", SuffixStress::None, {}},
    {u"like", u"laIk", u"laIk", SuffixStress::Secondary, {}},
    {u"ally", u"li", u"li", SuffixStress::None, u"ic"},
    {u"ly", u"li", u"li", SuffixStress::None, {}},
    {u"ment", u"mqnt", u"mqnt", SuffixStress::None, {}},
    {u"able", u"qbql", u"qbql", SuffixStress::None, {}},
    {u"ible", u"Ibql", u"Ibql", SuffixStress::None, {}},
    {u"ism", u"Izqm", u"Izqm", SuffixStress::None, {}},
    {u"ist", u"Ist", u"Ist", SuffixStress::None, {}},
    {u"ship", u"SIp", u"SIp", SuffixStress::None, {}},
    {u"hood", u"hud", u"hud", SuffixStress::Secondary, {}},
    {u"wise", u"waIz", u"waIz", SuffixStress::Secondary, {}},
    {u"dom", u"dqm", u"dqm", SuffixStress::None, {}},
    {u"ize", u"aIz", u"aIz", SuffixStress::Secondary, {}},
    {u"ise", u"aIz", u"aIz", SuffixStress::Secondary, {}},
    {u"wards", u"wqdz", u"wqrdz", SuffixStress::None, {}},
    {u"ward", u"wqd", u"wqrd", SuffixStress::None, {}},
    {u"some", u"sqm", u"sqm", SuffixStress::None, {}},
    {u"ette", u"'et", u"'et", SuffixStress::Shift, {}},
    {u"esque", u"'esk", u"'esk", SuffixStress::Shift, {}},
    {u"ling", u"lIN", u"lIN", SuffixStress::None, {}},
    {u"er", u"q", u"qr", SuffixStress::None, {}},
    {u"y", u"i", u"i", SuffixStress::None, {}},
    // Final elements of names and compounds that English says weakly.
    {u"man", u"mqn", u"mqn", SuffixStress::None, {}},
    {u"men", u"mqn", u"mqn", SuffixStress::None, {}},
    {u"ford", u"fqd", u"fqrd", SuffixStress::None, {}},
    {u"ham", u"qm", u"qm", SuffixStress::None, {}},
    {u"ton", u"tqn", u"tqn", SuffixStress::None, {}},
    {u"land", u"lxnd", u"lxnd", SuffixStress::Secondary, {}},
    {u"mouth", u"mqT", u"mqT", SuffixStress::None, {}},
    {u"borough", u"bqrq", u"bE:ou", SuffixStress::None, {}},
    {u"bury", u"bqri", u"beri", SuffixStress::None, {}},
    {u"shire", u"Sq", u"Sqr", SuffixStress::None, {}},
    {u"ster", u"stq", u"stqr", SuffixStress::None, {}},
    {u"fully", u"fqli", u"fqli", SuffixStress::None, {}},
};

// Three-letter words common enough to be a part of a compound ("sunbed",
// "toolbox"); longer parts need only be in the dictionary. Most short
// dictionary entries are abbreviations and names, which make silly splits.
inline constexpr std::u16string_view shortWords[] = {
    u"act", u"add", u"age", u"aid", u"air", u"all", u"ant", u"ape", u"arm", u"art", u"ash", u"axe",
    u"bad", u"bag", u"ban", u"bar", u"bat", u"bay", u"bed", u"bee", u"big", u"bin", u"bit", u"bog",
    u"bow", u"box", u"boy", u"bud", u"bug", u"bun", u"bus", u"buy", u"cab", u"can", u"cap", u"car",
    u"cat", u"cow", u"cry", u"cup", u"cut", u"day", u"den", u"dew", u"die", u"dig", u"dim", u"dip",
    u"dog", u"dot", u"dry", u"due", u"dye", u"ear", u"eat", u"egg", u"end", u"eye", u"fan", u"far",
    u"fat", u"fee", u"few", u"fig", u"fin", u"fir", u"fit", u"fix", u"fly", u"fog", u"fox", u"fry",
    u"fun", u"fur", u"gap", u"gas", u"gem", u"get", u"god", u"gum", u"gun", u"gut", u"guy", u"ham",
    u"hat", u"hay", u"hen", u"hip", u"hit", u"hog", u"hop", u"hot", u"how", u"hub", u"hut", u"ice",
    u"ink", u"inn", u"ivy", u"jam", u"jar", u"jaw", u"jet", u"job", u"joy", u"jug", u"key", u"kid",
    u"kin", u"kit", u"lab", u"lad", u"lap", u"law", u"lay", u"leg", u"lid", u"lip", u"log", u"low",
    u"mad", u"man", u"map", u"mat", u"men", u"mid", u"mix", u"mob", u"mop", u"mud", u"mug", u"nap",
    u"net", u"new", u"nut", u"oak", u"oar", u"odd", u"off", u"oil", u"old", u"one", u"out", u"owl",
    u"own", u"pad", u"pan", u"pat", u"paw", u"pay", u"pea", u"pen", u"pet", u"pie", u"pig", u"pin",
    u"pit", u"pop", u"pot", u"pub", u"put", u"rag", u"ram", u"rat", u"raw", u"ray", u"red", u"rib",
    u"rid", u"rim", u"rip", u"rod", u"row", u"rub", u"rug", u"run", u"rye", u"sad", u"saw", u"say",
    u"sea", u"see", u"set", u"sew", u"shy", u"sin", u"sip", u"sit", u"six", u"sky", u"son", u"sow",
    u"spy", u"sun", u"tab", u"tag", u"tan", u"tap", u"tar", u"tax", u"tea", u"ten", u"tie", u"tin",
    u"tip", u"toe", u"ton", u"too", u"top", u"toy", u"try", u"tub", u"tug", u"two", u"use", u"van",
    u"vat", u"war", u"wax", u"way", u"web", u"wet", u"who", u"why", u"wig", u"win", u"wit", u"woe",
    u"won", u"yes", u"yet", u"zip", u"zoo",
};

} // namespace orvanta::rules::formation
