#include "engine/speech/word_classes.h"

#include "engine/text/text.h"

#include <algorithm>

namespace orvanta::words {

bool isSubjectPronoun(View w) {
    return isAnyOfFolded(w, {u"i", u"you", u"we", u"they", u"he", u"she", u"it"});
}

bool isDeterminer(View w) {
    return isAnyOfFolded(w, {u"the", u"a",     u"an",   u"this", u"that", u"these",  u"those",
                             u"my",  u"your",  u"his",  u"her",  u"its",  u"our",    u"their",
                             u"no",  u"every", u"each", u"any",  u"some", u"another"});
}

bool isCountWord(View w) {
    return isAnyOfFolded(w, {u"two", u"three", u"four", u"five", u"six", u"seven", u"eight",
                             u"nine", u"ten", u"many", u"few", u"several", u"both", u"all",
                             u"various", u"countless", u"other", u"such"});
}

bool isNameInside(View w, bool sentenceStart) {
    return !sentenceStart && !w.empty() && w[0] >= u'A' && w[0] <= u'Z';
}

bool isPreposition(View w) {
    return isAnyOfFolded(w, {u"of", u"in", u"on", u"at", u"for", u"from", u"with", u"by", u"about",
                             u"into", u"onto", u"without", u"under", u"over", u"through",
                             u"against", u"between", u"among", u"upon"});
}

bool takesPlainVerb(View w) {
    return isAnyOfFolded(w,
                         {u"to",     u"will",   u"would",    u"can",       u"could",   u"shall",
                          u"should", u"may",    u"might",    u"must",      u"do",      u"does",
                          u"did",    u"don't",  u"doesn't",  u"didn't",    u"won't",   u"wouldn't",
                          u"can't",  u"cannot", u"couldn't", u"shouldn't", u"mustn't", u"let's",
                          u"please", u"not"}) ||
           endsWithFolded(w, u"'ll");
}

bool isHaveForm(View w) {
    return isAnyOfFolded(w,
                         {u"have", u"has", u"had", u"having", u"haven't", u"hasn't", u"hadn't"}) ||
           endsWithFolded(w, u"'ve");
}

bool isBeForm(View w) {
    return isAnyOfFolded(w, {u"is", u"are", u"was", u"were", u"be", u"been", u"being", u"am",
                             u"isn't", u"aren't", u"wasn't", u"weren't"}) ||
           endsWithFolded(w, u"'re") || endsWithFolded(w, u"'m");
}

bool isDegreeWord(View w) {
    return isAnyOfFolded(w, {u"very", u"so", u"too", u"quite", u"more", u"most", u"less", u"least",
                             u"rather", u"really", u"fairly", u"extremely"});
}

bool opensObject(View w) {
    return isAnyOfFolded(w, {u"the",  u"a",   u"an",  u"this", u"that", u"these", u"those", u"my",
                             u"your", u"his", u"her", u"its",  u"our",  u"their", u"him",   u"them",
                             u"me",   u"us",  u"it",  u"some", u"any",  u"every"});
}

bool isPastTimeWord(View w) {
    return isAnyOfFolded(w, {u"yesterday", u"ago", u"last", u"earlier", u"previously", u"already"});
}

bool isWhWord(View w) {
    return isAnyOfFolded(
        w, {u"what", u"where", u"when", u"why", u"how", u"who", u"whom", u"which", u"whose"});
}

bool isModal(View w) {
    return isAnyOfFolded(w, {u"will", u"would", u"can", u"could", u"shall", u"should", u"may",
                             u"might", u"must", u"to"}) ||
           endsWithFolded(w, u"'ll") || endsWithFolded(w, u"'d");
}

bool isAuxiliary(View w) {
    return isAnyOfFolded(w, {u"can", u"could", u"do", u"does", u"had", u"has", u"have", u"must",
                             u"shall", u"should", u"would", u"was", u"were", u"am", u"are"});
}

bool isPronounSubject(View w) {
    return isSubjectPronoun(w) || equalsFolded(w, u"there");
}

bool canBeNoun(View w) {
    if (w.empty() || !std::all_of(w.begin(), w.end(), [](char16_t c) {
            return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'\'';
        }))
        return false;
    return !(isDeterminer(w) || isPreposition(w) || isSubjectPronoun(w) || opensObject(w) ||
             takesPlainVerb(w) || isHaveForm(w) || isBeForm(w) || isDegreeWord(w) || isWhWord(w) ||
             isAuxiliary(w) || isNumber(w) || endsWithFolded(w, u"ly") ||
             isAnyOfFolded(w, {u"and",       u"or",         u"but",      u"nor",     u"yet",
                               u"if",        u"than",       u"as",       u"because", u"while",
                               u"unless",    u"until",      u"up",       u"down",    u"out",
                               u"off",       u"away",       u"back",     u"here",    u"there",
                               u"now",       u"then",       u"again",    u"home",    u"nowhere",
                               u"somewhere", u"everywhere", u"together", u"ahead",   u"astray",
                               u"on"}));
}

bool namesPersonOrPart(View w) {
    // Plurals as their singular: "singers", "roles".
    View stem = w;
    if (endsWithFolded(stem, u"s") && !endsWithFolded(stem, u"ss"))
        stem.remove_suffix(1);
    if (stem.size() > 4 && (endsWithFolded(stem, u"er") || endsWithFolded(stem, u"or") ||
                            endsWithFolded(stem, u"ist") || endsWithFolded(stem, u"ess") ||
                            endsWithFolded(stem, u"ian")))
        return true;
    return isAnyOfFolded(w, {u"story", u"stories"}) ||
           isAnyOfFolded(stem, {u"role", u"part", u"article", u"headline", u"item", u"vocal",
                                u"guitar", u"counsel", u"plaintiff", u"detective", u"attorney",
                                u"candidate", u"position", u"time"});
}

bool looksLikePluralSubject(View w) {
    return w.size() > 3 && endsWithFolded(w, u"s") && !endsWithFolded(w, u"ss") &&
           !endsWithFolded(w, u"'s") && !endsWithFolded(w, u"us") && !endsWithFolded(w, u"is") &&
           canBeNoun(w) && !isCountWord(w);
}

bool isNumber(View w) {
    return (!w.empty() && w[0] >= u'0' && w[0] <= u'9') ||
           isAnyOfFolded(w, {u"one",     u"two",      u"three",    u"four",     u"five",
                             u"six",     u"seven",    u"eight",    u"nine",     u"ten",
                             u"eleven",  u"twelve",   u"fifteen",  u"twenty",   u"thirty",
                             u"forty",   u"fifty",    u"sixty",    u"seventy",  u"eighty",
                             u"ninety",  u"hundred",  u"hundreds", u"thousand", u"thousands",
                             u"million", u"millions", u"dozen",    u"dozens"});
}

bool looksLikeParticiple(View w) {
    return endsWithFolded(w, u"ed") || endsWithFolded(w, u"en") || endsWithFolded(w, u"wn") ||
           endsWithFolded(w, u"ught") ||
           isAnyOfFolded(w, {u"been",    u"done",  u"gone",     u"had",    u"made",  u"said",
                             u"heard",   u"found", u"told",     u"sold",   u"held",  u"paid",
                             u"laid",    u"run",   u"come",     u"become", u"begun", u"sung",
                             u"swum",    u"drunk", u"rung",     u"won",    u"stood", u"understood",
                             u"read",    u"led",   u"fed",      u"met",    u"sent",  u"spent",
                             u"lost",    u"left",  u"kept",     u"slept",  u"felt",  u"built",
                             u"meant",   u"put",   u"let",      u"set",    u"got",   u"just",
                             u"already", u"never", u"ever",     u"always", u"not",   u"also",
                             u"since",   u"often", u"recently", u"only",   u"still"});
}

} // namespace orvanta::words
