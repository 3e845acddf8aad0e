// The result document built paragraph by paragraph against the same HTML
// read by Qt's HTML reader, as the result editor used to be filled: the two
// must hold the same text in the same formats, so that the editor, copies,
// exports and the HTML tab's export of an edited result are all unchanged.
#include "temporary_settings.h"
#include "ui/mainwindow.h"
#include "ui/result_document.h"

#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextFragment>

#include <memory>
#include <utility>

using Paragraphs = QList<std::pair<QString, QString>>;

class ResultDocumentTest : public QObject {
    Q_OBJECT

    TemporarySettings settings;

    // Text and format of every fragment, block by block, in one string, so
    // that a difference shows where it is.
    static QString fragments(const QTextDocument &document) {
        QString out;
        QDebug debug(&out);
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            debug << "\nblock" << block.blockFormat().properties()
                  << block.charFormat().properties();
            for (auto it = block.begin(); !it.atEnd(); ++it)
                debug << "\n  " << it.fragment().text() << it.fragment().charFormat().properties();
        }
        return out;
    }

private slots:
    void sameAsTheHtmlRead_data() {
        QTest::addColumn<Paragraphs>("paragraphs");
        const QString guess = u"[kæt *blɔːf]"_qs;
        QTest::newRow("nothing") << Paragraphs{};
        QTest::newRow("one") << Paragraphs{{"Cat and dog.", u"[kæt ænd dɒɡ]"_qs}};
        QTest::newRow("two") << Paragraphs{{"Cat.", u"[kæt]"_qs}, {"Dog!", u"[dɒɡ]"_qs}};
        QTest::newRow("guesses") << Paragraphs{{"Cat blorf.", guess},
                                               {"Blorf cat.", u"[*blɔːf kæt]"_qs},
                                               {"Zib zab", u"[*zɪb *zæb]"_qs},
                                               {"Zo", u"[*zəʊ *]"_qs}};
        QTest::newRow("Cyrillic") << Paragraphs{{"Church.", u"[чё:ч]"_qs}};
        QTest::newRow("markup characters")
            << Paragraphs{{"a<b & c>d", u"[()]"_qs}, {"&amp; &lt;", u"[()]"_qs}};
        QTest::newRow("white space") << Paragraphs{{"  a \t b  \n", u"[ə  biː]"_qs},
                                                   {"\n", u"[()]"_qs},
                                                   {"", u"[()]"_qs},
                                                   {"tab\there\t", u"[()]"_qs},
                                                   {"\r\nx\f", u"[ ()]"_qs}};
        QTest::newRow("other spaces")
            << Paragraphs{{u"x\u00a0\u00a0y\u2003\u2003z\u3000w \u00a0 v"_qs, u"[()]"_qs}};
        QTest::newRow("separators in a sentence")
            << Paragraphs{{u"q\u2028r\u0085s"_qs, u"[()]"_qs},
                          {u"t\u2029 u"_qs, u"[()]"_qs},
                          {u"\u2029\u2029v\u2029"_qs, u"[()]"_qs},
                          {u"w"_qs, u"[a\u2029 *b\u2029c]"_qs}};
        QTest::newRow("reserved characters") << Paragraphs{
            {u"a\ufffcb\u200bc\ufeff"_qs, u"[()]"_qs}, {u"d\ufdd0e\ufdd1f\ufdefg"_qs, u"[()]"_qs}};
    }
    void sameAsTheHtmlRead() {
        QFETCH(Paragraphs, paragraphs);
        MainWindow window;
        const QTextDocument &editor = *window.findChild<QTextEdit *>("textEdit")->document();
        ResultDocument built(editor);
        for (const auto &[sentence, rendering] : paragraphs)
            built.addParagraph(sentence, rendering);
        const std::unique_ptr<QTextDocument> direct = built.takeDocument();
        const QString html = built.takeHtml();

        // What the editor was given before: the HTML without the blank line
        // after each paragraph, which Qt reads as a trailing space.
        QTextDocument read;
        read.setDefaultFont(editor.defaultFont());
        read.setDefaultStyleSheet(editor.defaultStyleSheet());
        read.setHtml(QString(html).replace("</p>\n\n", "</p>"));

        QCOMPARE(direct->toPlainText(), read.toPlainText());
        QCOMPARE(fragments(*direct), fragments(read));
        QCOMPARE(direct->toHtml(), read.toHtml());
        QVERIFY(!direct->isModified());
        QVERIFY(!direct->isUndoAvailable());
        QVERIFY(direct->isUndoRedoEnabled());
    }
};

QTEST_MAIN(ResultDocumentTest)
#include "tst_resultdocument.moc"
