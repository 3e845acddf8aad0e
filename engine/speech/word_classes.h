// The classes of words that the rules of connected speech look at: a
// sentence's neighbours tell a word's role by them. Internal to the engine.
#pragma once

#include <string_view>

namespace orvanta::words {

using View = std::u16string_view;

bool isSubjectPronoun(View w);
bool isDeterminer(View w);
// Words that count what follows: "nine lives", "many records".
bool isCountWord(View w);
// A name written with its capital inside the sentence ("Smith lives").
bool isNameInside(View w, bool sentenceStart);
bool isPreposition(View w);
// Words after which a verb comes in its plain form.
bool takesPlainVerb(View w);
bool isHaveForm(View w);
bool isBeForm(View w);
bool isDegreeWord(View w);
// Words that open an object: the word before them is a verb.
bool opensObject(View w);
bool isPastTimeWord(View w);
bool isWhWord(View w);
bool isModal(View w);
// Verbs that help another and can stand for it: "Can you?", "Yes, I can."
bool isAuxiliary(View w);
// Personal pronouns as subjects, and the "there" of "Are there?".
bool isPronounSubject(View w);
bool isNumber(View w);
// A word that can be a noun another word describes ("pipes", "poisoning"):
// none of the function words, adverbs in -ly, numbers or particles.
bool canBeNoun(View w);
// Nouns for a person by what they do ("singer", "author") or for a part in
// a group or a work ("role", "story"): what "lead" as "leading" describes.
bool namesPersonOrPart(View w);
// A plural-looking subject before a verb: "Roads lead home".
bool looksLikePluralSubject(View w);
// Past participles a perfect "have" is followed by: regular ones by their
// ending, the common irregular ones by name.
bool looksLikeParticiple(View w);

} // namespace orvanta::words
