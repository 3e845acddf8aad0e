<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Orvanta</source>
        <translation>О программе Orvanta</translation>
    </message>
    <message>
        <source>Orvanta</source>
        <translation>Orvanta</translation>
    </message>
    <message>
        <source>© The Orvanta authors, GPL-3.0-or-later</source>
        <translation>© Авторы Orvanta, GPL-3.0-or-later</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
</context>
<context>
    <name>FileActions</name>
    <message>
        <source>Could not open “%1”:
%2</source>
        <translation>Не удалось открыть «%1»:
%2</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation>Это папка.</translation>
    </message>
    <message>
        <source>It is larger than %1 MB, too large for a text to transcribe.</source>
        <translation>Файл больше %1 МБ — слишком велик для транскрипции.</translation>
    </message>
    <message>
        <source>It is not a plain-text file. Save it as plain text (.txt) first.</source>
        <translation>Это не простой текстовый файл. Сначала сохраните его как обычный текст (.txt).</translation>
    </message>
    <message>
        <source>Could not save the result to “%1”:
%2</source>
        <translation>Не удалось сохранить результат в «%1»:
%2</translation>
    </message>
    <message>
        <source>Result saved to %1</source>
        <translation>Результат сохранён в %1</translation>
    </message>
    <message>
        <source>transcription</source>
        <translation>транскрипция</translation>
    </message>
    <message>
        <source>The result has been edited and not saved. Save it before it is lost?</source>
        <translation>Результат изменён и не сохранён. Сохранить его, чтобы не потерять?</translation>
    </message>
    <message>
        <source>HTML (*.html *.htm)</source>
        <translation>HTML (*.html *.htm)</translation>
    </message>
    <message>
        <source>OpenDocument text (*.odt)</source>
        <translation>Текст OpenDocument (*.odt)</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Обычный текст (*.txt)</translation>
    </message>
    <message>
        <source>Save Result As</source>
        <translation>Сохранить результат как</translation>
    </message>
    <message>
        <source>“%1” was read as Windows-1252: it is not UTF-8.</source>
        <translation>«%1» прочитан в кодировке Windows-1252: это не UTF-8.</translation>
    </message>
    <message>
        <source>The result you edited was replaced by a later run and never saved. Edit &gt; Undo in the result brings it back. Discard it?</source>
        <translation>Отредактированный результат был заменён новым запуском и не сохранён. Правка &gt; Отменить в результате вернёт его. Отказаться от него?</translation>
    </message>
    <message>
        <source>Could not save the text to “%1”:
%2</source>
        <translation>Не удалось сохранить текст в «%1»:
%2</translation>
    </message>
    <message>
        <source>Text saved to %1</source>
        <translation>Текст сохранён в %1</translation>
    </message>
    <message>
        <source>text</source>
        <translation>текст</translation>
    </message>
    <message>
        <source>The text in the input pane is not saved in a file. Save it before it is cleared?</source>
        <translation>Текст в поле ввода не сохранён в файл. Сохранить его перед очисткой?</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Orvanta</source>
        <translation>Orvanta</translation>
    </message>
    <message>
        <source>&amp;Weak forms</source>
        <translation>&amp;Слабые формы</translation>
    </message>
    <message>
        <source>Say function words (and, of, to, can...) as in running speech</source>
        <translation>Служебные слова (and, of, to, can...) как в беглой речи</translation>
    </message>
    <message>
        <source>&amp;Join wrapped lines</source>
        <translation>&amp;Объединять перенесённые строки</translation>
    </message>
    <message>
        <source>Read a line feed inside a paragraph as a space, for text wrapped at a fixed width (e-mail, plain-text books, PDF files)</source>
        <translation>Читать перевод строки внутри абзаца как пробел — для текста, разбитого на строки постоянной ширины (письма, текстовые книги, PDF)</translation>
    </message>
    <message>
        <source>eɪ</source>
        <translation>eɪ</translation>
    </message>
    <message>
        <source>aɪ</source>
        <translation>aɪ</translation>
    </message>
    <message>
        <source>ɔɪ</source>
        <translation>ɔɪ</translation>
    </message>
    <message>
        <source>əʊ</source>
        <translation>əʊ</translation>
    </message>
    <message>
        <source>aʊ</source>
        <translation>aʊ</translation>
    </message>
    <message>
        <source>ɪə</source>
        <translation>ɪə</translation>
    </message>
    <message>
        <source>eə</source>
        <translation>eə</translation>
    </message>
    <message>
        <source>ʊə</source>
        <translation>ʊə</translation>
    </message>
    <message>
        <source>θ</source>
        <translation>θ</translation>
    </message>
    <message>
        <source>ð</source>
        <translation>ð</translation>
    </message>
    <message>
        <source>ʃ</source>
        <translation>ʃ</translation>
    </message>
    <message>
        <source>ʒ</source>
        <translation>ʒ</translation>
    </message>
    <message>
        <source>tʃ</source>
        <translation>tʃ</translation>
    </message>
    <message>
        <source>dʒ</source>
        <translation>dʒ</translation>
    </message>
    <message>
        <source>ŋ</source>
        <translation>ŋ</translation>
    </message>
    <message>
        <source>ɪ</source>
        <translation>ɪ</translation>
    </message>
    <message>
        <source>æ</source>
        <translation>æ</translation>
    </message>
    <message>
        <source>ɒ</source>
        <translation>ɒ</translation>
    </message>
    <message>
        <source>ʌ</source>
        <translation>ʌ</translation>
    </message>
    <message>
        <source>ʊ</source>
        <translation>ʊ</translation>
    </message>
    <message>
        <source>ə</source>
        <translation>ə</translation>
    </message>
    <message>
        <source>iː</source>
        <translation>iː</translation>
    </message>
    <message>
        <source>ɑː</source>
        <translation>ɑː</translation>
    </message>
    <message>
        <source>ɔː</source>
        <translation>ɔː</translation>
    </message>
    <message>
        <source>uː</source>
        <translation>uː</translation>
    </message>
    <message>
        <source>ɜː</source>
        <translation>ɜː</translation>
    </message>
    <message>
        <source>ˈ</source>
        <translation>ˈ</translation>
    </message>
    <message>
        <source>ˌ</source>
        <translation>ˌ</translation>
    </message>
    <message>
        <source>&amp;Dictionary</source>
        <translation>&amp;Словарь</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <translation>Ctrl+U</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation>Ctrl++</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>Set &amp;pronunciation…</source>
        <translation>Задать &amp;произношение…</translation>
    </message>
    <message>
        <source>Set how the word at the cursor is transcribed</source>
        <translation>Задать транскрипцию слова под курсором</translation>
    </message>
    <message>
        <source>&amp;User Dictionary…</source>
        <translation>Пользовательский &amp;словарь…</translation>
    </message>
    <message>
        <source>&amp;Guess unknown words</source>
        <translation>&amp;Угадывать незнакомые слова</translation>
    </message>
    <message>
        <source>Pronounce words no dictionary holds from the known words they are made of, or from their letters; a guess is marked with *</source>
        <translation>Произносить слова, которых нет в словарях, по известным словам, из которых они составлены, или по буквам; догадка отмечена знаком *</translation>
    </message>
    <message>
        <source>Enter your text here.</source>
        <translation>Введите здесь текст на английском языке.</translation>
    </message>
    <message>
        <source>Pronunciation saved: press Transcribe! to see it in the result.</source>
        <translation>Произношение сохранено: нажмите «Транскрибировать!», чтобы увидеть его в результате.</translation>
    </message>
    <message>
        <source>Re&amp;gular</source>
        <translation>Те&amp;кст</translation>
    </message>
    <message>
        <source>HTM&amp;L</source>
        <translation>&amp;HTML</translation>
    </message>
    <message>
        <source>&amp;British</source>
        <translation>&amp;Британский</translation>
    </message>
    <message>
        <source>A&amp;merican</source>
        <translation>&amp;Американский</translation>
    </message>
    <message>
        <source>Transliterate (&amp;Cyrillic)</source>
        <translation>Транслитерация (кири&amp;ллица)</translation>
    </message>
    <message>
        <source>&amp;Transcribe!</source>
        <translation>&amp;Транскрибировать!</translation>
    </message>
    <message>
        <source>oʊ</source>
        <translation>oʊ</translation>
    </message>
    <message>
        <source>ɡ</source>
        <translation>ɡ</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Недавние файлы</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>Фор&amp;мат</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Спра&amp;вка</translation>
    </message>
    <message>
        <source>Go to Orvanta &amp;website</source>
        <translation>Перейти на &amp;сайт Orvanta</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Полужирный</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Курсив</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>П&amp;одчёркнутый</translation>
    </message>
    <message>
        <source>Bi&amp;gger</source>
        <translation>К&amp;рупнее</translation>
    </message>
    <message>
        <source>&amp;Smaller</source>
        <translation>&amp;Мельче</translation>
    </message>
    <message>
        <source>&amp;Zoom In</source>
        <translation>&amp;Увеличить масштаб</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Уменьшить мас&amp;штаб</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Создать</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Открыть…</translation>
    </message>
    <message>
        <source>&amp;Save Result As…</source>
        <translation>Сохранить &amp;результат как…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Печать…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>Пред&amp;варительный просмотр…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторить</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Вырезать</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Вст&amp;авить</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Выделить вс&amp;ё</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Найти…</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Найти &amp;далее</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>Найти &amp;ранее</translation>
    </message>
    <message>
        <source>&amp;Reset Zoom</source>
        <translation>&amp;Исходный масштаб</translation>
    </message>
    <message>
        <source>&amp;Transcribe</source>
        <translation>&amp;Транскрибировать</translation>
    </message>
    <message>
        <source>No web browser could be started. The Orvanta user guide is here:
%1</source>
        <translation>Не удалось запустить веб-браузер. Руководство пользователя Orvanta находится здесь:
%1</translation>
    </message>
    <message>
        <source>Open Text</source>
        <translation>Открыть текст</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Текстовые файлы (*.txt);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Transcribe the text (%1)</source>
        <translation>Транскрибировать текст (%1)</translation>
    </message>
    <message>
        <source>%1  %2; American transcriptions mostly write %3 instead (British “%4” [%5])</source>
        <translation>%1  %2; в американских транскрипциях обычно пишут %3 (британское «%4» [%5])</translation>
    </message>
    <message>
        <source>%1  %2; British transcriptions write əʊ instead (American “%3” [%4])</source>
        <translation>%1  %2; в британских транскрипциях пишут əʊ (американское «%3» [%4])</translation>
    </message>
    <message>
        <source>%1  %2, as in “%3” [%4]</source>
        <translation>%1  %2, как в «%3» [%4]</translation>
    </message>
    <message>
        <source>voiceless th</source>
        <translation>глухой межзубный (th)</translation>
    </message>
    <message>
        <source>voiced th</source>
        <translation>звонкий межзубный (th)</translation>
    </message>
    <message>
        <source>sh sound</source>
        <translation>звук «ш»</translation>
    </message>
    <message>
        <source>zh sound</source>
        <translation>звук «ж»</translation>
    </message>
    <message>
        <source>ch sound</source>
        <translation>звук «ч»</translation>
    </message>
    <message>
        <source>j sound</source>
        <translation>звук «дж»</translation>
    </message>
    <message>
        <source>ng sound</source>
        <translation>носовой «нг»</translation>
    </message>
    <message>
        <source>hard g (the IPA letter, not the keyboard&apos;s g)</source>
        <translation>твёрдое «г» (буква МФА, а не g с клавиатуры)</translation>
    </message>
    <message>
        <source>short i</source>
        <translation>краткое «и»</translation>
    </message>
    <message>
        <source>short a</source>
        <translation>краткое открытое «э»</translation>
    </message>
    <message>
        <source>short o</source>
        <translation>краткое «о»</translation>
    </message>
    <message>
        <source>short u</source>
        <translation>краткое «а»</translation>
    </message>
    <message>
        <source>short oo</source>
        <translation>краткое «у»</translation>
    </message>
    <message>
        <source>schwa, the weak vowel</source>
        <translation>шва, слабый гласный</translation>
    </message>
    <message>
        <source>long ee</source>
        <translation>долгое «и»</translation>
    </message>
    <message>
        <source>long ah</source>
        <translation>долгое «а»</translation>
    </message>
    <message>
        <source>long aw</source>
        <translation>долгое «о»</translation>
    </message>
    <message>
        <source>long oo</source>
        <translation>долгое «у»</translation>
    </message>
    <message>
        <source>long er</source>
        <translation>долгое «ё» (как в nurse)</translation>
    </message>
    <message>
        <source>diphthong ay</source>
        <translation>дифтонг «эй»</translation>
    </message>
    <message>
        <source>diphthong eye</source>
        <translation>дифтонг «ай»</translation>
    </message>
    <message>
        <source>diphthong oy</source>
        <translation>дифтонг «ой»</translation>
    </message>
    <message>
        <source>diphthong oh</source>
        <translation>дифтонг «оу»</translation>
    </message>
    <message>
        <source>diphthong ow</source>
        <translation>дифтонг «ау»</translation>
    </message>
    <message>
        <source>diphthong ear</source>
        <translation>дифтонг «иэ»</translation>
    </message>
    <message>
        <source>diphthong air</source>
        <translation>дифтонг «эа»</translation>
    </message>
    <message>
        <source>diphthong oor</source>
        <translation>дифтонг «уэ»</translation>
    </message>
    <message>
        <source>primary stress, before the stressed syllable</source>
        <translation>основное ударение, перед ударным слогом</translation>
    </message>
    <message>
        <source>secondary stress</source>
        <translation>второстепенное ударение</translation>
    </message>
    <message>
        <source>Save &amp;Input As…</source>
        <translation>Сохранить ввод &amp;как…</translation>
    </message>
    <message>
        <source>Save the text of the input pane to a text file</source>
        <translation>Сохранить текст поля ввода в текстовый файл</translation>
    </message>
    <message>
        <source>Orvanta &amp;User Guide</source>
        <translation>&amp;Руководство пользователя Orvanta</translation>
    </message>
    <message>
        <source>Open the user guide that comes with Orvanta</source>
        <translation>Открыть руководство пользователя, поставляемое с Orvanta</translation>
    </message>
    <message>
        <source>Save Input As</source>
        <translation>Сохранить ввод как</translation>
    </message>
    <message>
        <source>Orvanta[*]</source>
        <translation>Orvanta[*]</translation>
    </message>
    <message>
        <source>%1[*] — Orvanta</source>
        <translation>%1[*] — Orvanta</translation>
    </message>
    <message>
        <source>Transcription cancelled; the result is as it was.</source>
        <translation>Транскрипция отменена; результат остался прежним.</translation>
    </message>
</context>
<context>
    <name>MyTextEdit</name>
    <message>
        <source>Guessed: no dictionary holds this word. Right-click its word in the sentence and choose Set pronunciation… to give your own.</source>
        <translation>Догадка: этого слова нет ни в одном словаре. Щёлкните это слово в предложении правой кнопкой и выберите «Задать произношение…», чтобы указать своё.</translation>
    </message>
</context>
<context>
    <name>PronunciationDialog</name>
    <message>
        <source>Set Pronunciation</source>
        <translation>Произношение слова</translation>
    </message>
    <message>
        <source>&amp;Word:</source>
        <translation>&amp;Слово:</translation>
    </message>
    <message>
        <source>Now:</source>
        <translation>Сейчас:</translation>
    </message>
    <message>
        <source>&amp;IPA:</source>
        <translation>&amp;МФА:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Так будет:</translation>
    </message>
    <message>
        <source>θ as in “thin”</source>
        <translation>θ как в «thin»</translation>
    </message>
    <message>
        <source>ð as in “this”</source>
        <translation>ð как в «this»</translation>
    </message>
    <message>
        <source>ʃ as in “ship”</source>
        <translation>ʃ как в «ship»</translation>
    </message>
    <message>
        <source>ʒ as in “measure”</source>
        <translation>ʒ как в «measure»</translation>
    </message>
    <message>
        <source>tʃ as in “chin”</source>
        <translation>tʃ как в «chin»</translation>
    </message>
    <message>
        <source>dʒ as in “jam”</source>
        <translation>dʒ как в «jam»</translation>
    </message>
    <message>
        <source>ŋ as in “sing”</source>
        <translation>ŋ как в «sing»</translation>
    </message>
    <message>
        <source>ɡ as in “go”</source>
        <translation>ɡ как в «go»</translation>
    </message>
    <message>
        <source>ɪ as in “kit”</source>
        <translation>ɪ как в «kit»</translation>
    </message>
    <message>
        <source>e as in “dress”</source>
        <translation>e как в «dress»</translation>
    </message>
    <message>
        <source>æ as in “trap”</source>
        <translation>æ как в «trap»</translation>
    </message>
    <message>
        <source>ɒ as in British “lot”</source>
        <translation>ɒ как в британском «lot»</translation>
    </message>
    <message>
        <source>ʌ as in “strut”</source>
        <translation>ʌ как в «strut»</translation>
    </message>
    <message>
        <source>ʊ as in “foot”</source>
        <translation>ʊ как в «foot»</translation>
    </message>
    <message>
        <source>ə as in “about”</source>
        <translation>ə как в «about»</translation>
    </message>
    <message>
        <source>i as in “happy”</source>
        <translation>i как в «happy»</translation>
    </message>
    <message>
        <source>iː as in “fleece”</source>
        <translation>iː как в «fleece»</translation>
    </message>
    <message>
        <source>ɑː as in “palm”</source>
        <translation>ɑː как в «palm»</translation>
    </message>
    <message>
        <source>ɔː as in “thought”</source>
        <translation>ɔː как в «thought»</translation>
    </message>
    <message>
        <source>uː as in “goose”</source>
        <translation>uː как в «goose»</translation>
    </message>
    <message>
        <source>ɜː as in “nurse”</source>
        <translation>ɜː как в «nurse»</translation>
    </message>
    <message>
        <source>eɪ as in “face”</source>
        <translation>eɪ как в «face»</translation>
    </message>
    <message>
        <source>aɪ as in “price”</source>
        <translation>aɪ как в «price»</translation>
    </message>
    <message>
        <source>ɔɪ as in “choice”</source>
        <translation>ɔɪ как в «choice»</translation>
    </message>
    <message>
        <source>əʊ as in British “goat”</source>
        <translation>əʊ как в британском «goat»</translation>
    </message>
    <message>
        <source>oʊ as in American “goat”</source>
        <translation>oʊ как в американском «goat»</translation>
    </message>
    <message>
        <source>aʊ as in “mouth”</source>
        <translation>aʊ как в «mouth»</translation>
    </message>
    <message>
        <source>ɪə as in British “near”</source>
        <translation>ɪə как в британском «near»</translation>
    </message>
    <message>
        <source>eə as in British “square”</source>
        <translation>eə как в британском «square»</translation>
    </message>
    <message>
        <source>ʊə as in British “cure”</source>
        <translation>ʊə как в британском «cure»</translation>
    </message>
    <message>
        <source>ˈ primary stress, before the stressed syllable</source>
        <translation>ˈ основное ударение, перед ударным слогом</translation>
    </message>
    <message>
        <source>ˌ secondary stress, before the syllable</source>
        <translation>ˌ второстепенное ударение, перед слогом</translation>
    </message>
    <message>
        <source>ː length mark, after a vowel</source>
        <translation>ː знак долготы, после гласного</translation>
    </message>
    <message>
        <source>(not transcribed)</source>
        <translation>(без транскрипции)</translation>
    </message>
    <message>
        <source>Could not read your dictionary %1: %2</source>
        <translation>Не удалось прочитать ваш словарь %1: %2</translation>
    </message>
    <message>
        <source>Could not save your dictionary %1: %2</source>
        <translation>Не удалось сохранить ваш словарь %1: %2</translation>
    </message>
    <message>
        <source>Saving keeps it for British pronunciation in %1, where it takes precedence over the dictionary Orvanta comes with.</source>
        <translation>При сохранении оно будет записано для британского произношения в %1 и получит приоритет над словарём, поставляемым с Orvanta.</translation>
    </message>
    <message>
        <source>Saving keeps it for American pronunciation in %1, where it takes precedence over the dictionary Orvanta comes with.</source>
        <translation>При сохранении оно будет записано для американского произношения в %1 и получит приоритет над словарём, поставляемым с Orvanta.</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Очистить список</translation>
    </message>
</context>
<context>
    <name>ResultView</name>
    <message>
        <source>F&amp;ind:</source>
        <translation>&amp;Найти:</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Далее</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;Ранее</translation>
    </message>
    <message>
        <source>Close the search (Esc)</source>
        <translation>Закрыть поиск (Esc)</translation>
    </message>
    <message>
        <source>The edited result was replaced; Edit &gt; Undo in the result brings it back.</source>
        <translation>Отредактированный результат заменён; «Правка &gt; Отменить» в результате вернёт его.</translation>
    </message>
    <message>
        <source>Search went round the result.</source>
        <translation>Поиск дошёл до конца результата и продолжен с начала.</translation>
    </message>
    <message>
        <source>“%1” is not in the result.</source>
        <translation>«%1» в результате не найдено.</translation>
    </message>
</context>
<context>
    <name>RunProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Orvanta</source>
        <translation>Orvanta</translation>
    </message>
    <message>
        <source>Transcribing…</source>
        <translation>Идёт транскрипция…</translation>
    </message>
</context>
<context>
    <name>Transcription</name>
    <message>
        <source>British</source>
        <translation>Британский</translation>
    </message>
    <message>
        <source>American</source>
        <translation>Американский</translation>
    </message>
    <message>
        <source>Could not read the %1 dictionary &quot;%2&quot;: words are shown untranscribed, in parentheses.</source>
        <translation>Не удалось прочитать словарь «%2» (%1): слова показаны без транскрипции, в скобках.</translation>
    </message>
    <message>
        <source>Could not read your own pronunciations &quot;%1&quot; (%2): the shipped dictionary was used alone.</source>
        <translation>Не удалось прочитать ваши произношения «%1» (%2): использован только поставляемый словарь.</translation>
    </message>
    <message>
        <source>Could not read the letter-to-sound model &quot;%1&quot; (%2): words that no dictionary holds and that are not made of known words are shown in parentheses.</source>
        <translation>Не удалось прочитать модель чтения по буквам «%1» (%2): слова, которых нет в словарях и которые не составлены из известных слов, показаны в скобках.</translation>
    </message>
</context>
<context>
    <name>UserDictionary</name>
    <message>
        <source>a tab (%1)</source>
        <translation>табуляцию (%1)</translation>
    </message>
    <message>
        <source>a space (%1)</source>
        <translation>пробел (%1)</translation>
    </message>
    <message>
        <source>Type the word.</source>
        <translation>Введите слово.</translation>
    </message>
    <message>
        <source>Type one word: Orvanta looks words up one at a time.</source>
        <translation>Введите одно слово: Orvanta ищет слова по одному.</translation>
    </message>
    <message>
        <source>The word holds %1, which Orvanta leaves out of every text: a word can be made of the letters A to Z, digits, apostrophes and hyphens.</source>
        <translation>Слово содержит %1, а Orvanta удаляет этот знак из любого текста: слово может состоять из букв от A до Z, цифр, апострофов и дефисов.</translation>
    </message>
    <message>
        <source>The word needs a letter or digit.</source>
        <translation>В слове должна быть хотя бы одна буква или цифра.</translation>
    </message>
    <message>
        <source>%1 has no equivalent in Orvanta&apos;s transcription.</source>
        <translation>Для символа %1 нет соответствия в транскрипции Orvanta.</translation>
    </message>
    <message>
        <source>Write “%1” instead.</source>
        <translation>Пишите вместо него «%1».</translation>
    </message>
    <message>
        <source>%1 cannot be part of a pronunciation.</source>
        <translation>Символ %1 не может входить в произношение.</translation>
    </message>
    <message>
        <source>Type the pronunciation in IPA, e.g. ˈtʃɜːtʃ.</source>
        <translation>Введите произношение знаками МФА, например ˈtʃɜːtʃ.</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 — это папка.</translation>
    </message>
    <message>
        <source>Could not create the folder %1.</source>
        <translation>Не удалось создать папку %1.</translation>
    </message>
    <message>
        <source>“%1” (%2)</source>
        <translation>«%1» (%2)</translation>
    </message>
</context>
<context>
    <name>UserDictionaryDialog</name>
    <message>
        <source>User Dictionary</source>
        <translation>Пользовательский словарь</translation>
    </message>
    <message>
        <source>&amp;British</source>
        <translation>&amp;Британский</translation>
    </message>
    <message>
        <source>A&amp;merican</source>
        <translation>&amp;Американский</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Слово</translation>
    </message>
    <message>
        <source>Pronunciation</source>
        <translation>Произношение</translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation>&amp;Добавить…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Изменить…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Не удалось прочитать %1: %2</translation>
    </message>
    <message>
        <source>Kept in %1.</source>
        <translation>Хранится в %1.</translation>
    </message>
    <message>
        <source>Delete your pronunciation of “%1”?</source>
        <translation>Удалить ваше произношение слова «%1»?</translation>
    </message>
    <message numerus="yes">
        <source>Delete your pronunciations of %n words?</source>
        <translation>
            <numerusform>Удалить ваши произношения %n слова?</numerusform>
            <numerusform>Удалить ваши произношения %n слов?</numerusform>
            <numerusform>Удалить ваши произношения %n слов?</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not change %1: %2</source>
        <translation>Не удалось изменить %1: %2</translation>
    </message>
    <message>
        <source>No British pronunciations of your own yet; they will be kept in %1.</source>
        <translation>Своих британских произношений пока нет; они будут храниться в %1.</translation>
    </message>
    <message>
        <source>No American pronunciations of your own yet; they will be kept in %1.</source>
        <translation>Своих американских произношений пока нет; они будут храниться в %1.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Orvanta adds phonetic transcription (IPA or Cyrillic letters) to English text.</source>
        <translation>Orvanta добавляет к английскому тексту фонетическую транскрипцию (знаками МФА или кириллицей).</translation>
    </message>
    <message>
        <source>Text file to open in the input pane.</source>
        <translation>Текстовый файл, который нужно открыть в поле ввода.</translation>
    </message>
</context>
</TS>
