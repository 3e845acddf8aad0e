<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Orvanta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvanta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 2.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>© The Orvanta authors, GPL-3.0-or-later</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Orvanta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>British</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>American</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transliterate (Cyrillic)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transcribe!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eɪ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aɪ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ɔɪ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>əʊ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aʊ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ɪə</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eə</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ʊə</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>θ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ð</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ʃ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ʒ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tʃ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dʒ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ŋ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ɪ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>æ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ɒ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ʌ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ʊ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ə</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iː</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ɑː</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ɔː</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>uː</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ɜː</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ˈ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ˌ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to Orvanta website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Underline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bigger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set &amp;pronunciation…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set how the word at the cursor is transcribed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;User Dictionary…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter your text here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read the %1 dictionary &quot;%2&quot;: words are shown untranscribed, in parentheses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pronunciation saved: press Transcribe! to see it in the result.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PronunciationDialog</name>
    <message>
        <source>Set Pronunciation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Word:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;IPA:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>θ as in “thin”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ð as in “this”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ʃ as in “ship”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ʒ as in “measure”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tʃ as in “chin”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dʒ as in “jam”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ŋ as in “sing”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ɡ as in “go”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ɪ as in “kit”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e as in “dress”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>æ as in “trap”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ɒ as in British “lot”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ʌ as in “strut”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ʊ as in “foot”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ə as in “about”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>i as in “happy”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iː as in “fleece”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ɑː as in “palm”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ɔː as in “thought”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>uː as in “goose”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ɜː as in “nurse”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eɪ as in “face”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aɪ as in “price”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ɔɪ as in “choice”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>əʊ as in British “goat”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>oʊ as in American “goat”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aʊ as in “mouth”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ɪə as in British “near”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eə as in British “square”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ʊə as in British “cure”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ˈ primary stress, before the stressed syllable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ˌ secondary stress, before the syllable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ː length mark, after a vowel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved for %1 pronunciation in %2; it takes precedence over the dictionary Orvanta comes with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(not transcribed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read your dictionary %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save your dictionary %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserDictionary</name>
    <message>
        <source>a tab (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a space (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the word.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type one word: Orvanta looks words up one at a time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The word holds %1, which Orvanta leaves out of every text: a word can be made of the letters A to Z, digits, apostrophes and hyphens.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The word needs a letter or digit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no equivalent in Orvanta&apos;s transcription.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write “%1” instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be part of a pronunciation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the pronunciation in IPA, e.g. ˈtʃɜːtʃ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not create the folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserDictionaryDialog</name>
    <message>
        <source>User Dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;British</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;merican</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pronunciation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>British</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>American</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No %1 pronunciations of your own yet; they will be kept in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete your pronunciation of “%1”?</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Delete your pronunciations of %n words?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Could not change %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
