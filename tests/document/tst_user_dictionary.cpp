// The user dictionary file: keys, typed IPA, and edits that survive a save.
#include "document/user_dictionary.h"
#include "qt_support.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using orvanta::UserDictionary;

class UserDictionaryTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    // The path of a new file `name` in the test's folder.
    QString writeFile(const QString &name, const QByteArray &bytes) {
        const QString path = dir.filePath(name);
        if (!orvanta::test_support::writeFile(path, bytes))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    static QByteArray readFile(const QString &path) {
        return orvanta::test_support::readFile(path);
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(dir.isValid());
    }

    void filesLiveInTheUsersDataFolder() {
        const QString british = orvanta::userDictionaryPath(orvanta::Variant::British);
        const QString american = orvanta::userDictionaryPath(orvanta::Variant::American);
        QVERIFY(british.endsWith(QLatin1String("/orvanta/user-british.txt")));
        QVERIFY(american.endsWith(QLatin1String("/orvanta/user-american.txt")));
        QVERIFY(british.startsWith(
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)));
    }

    void keys_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("errorMentions");
        QTest::newRow("foldsCapitals") << "Hermione"
                                       << "hermione"
                                       << "";
        QTest::newRow("trimsSpaces") << "  Zoe\t"
                                     << "zoe"
                                     << "";
        QTest::newRow("keepsApostrophe") << "O'Neill"
                                         << "o'neill"
                                         << "";
        QTest::newRow("dropsHyphenAsTextsDo") << "e-mail"
                                              << "email"
                                              << "";
        QTest::newRow("digits") << "R2D2"
                                << "r2d2"
                                << "";
        QTest::newRow("empty") << "   "
                               << ""
                               << "Type the word";
        QTest::newRow("twoWords") << "New York"
                                  << ""
                                  << "one word";
        QTest::newRow("accentedLetter") << "café"
                                        << ""
                                        << "U+00E9";
        QTest::newRow("onlyHyphens") << "--"
                                     << ""
                                     << "letter or digit";
    }
    void keys() {
        QFETCH(QString, word);
        QFETCH(QString, key);
        QFETCH(QString, errorMentions);
        QString error;
        QCOMPARE(orvanta::userDictionaryKey(word, &error), key);
        if (errorMentions.isEmpty())
            QVERIFY2(error.isEmpty(), qPrintable(error));
        else
            QVERIFY2(error.contains(errorMentions), qPrintable(error));
    }

    void typedIpa_data() {
        QTest::addColumn<QString>("ipa");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("errorMentions");
        QTest::newRow("plain") << u"ˈhɜːmaɪəni"_qs << "'hE:maIqni"
                               << "";
        QTest::newRow("slashesAndSpaces") << u" /ˈzəʊi/ "_qs << "'zqui"
                                          << "";
        QTest::newRow("brackets") << u"[kæt]"_qs << "kxt"
                                  << "";
        QTest::newRow("rColouredVowelNamed") << u"ˈbɚd"_qs << "" << u"“ɚ” (U+025A)"_qs;
        QTest::newRow("suggestionOffered") << u"ˈbɚd"_qs << "" << u"“ər”"_qs;
        QTest::newRow("combiningMarkShownOnCircle") << u"kæ̃t"_qs << "" << u"◌̃"_qs;
        QTest::newRow("parenthesisRefused") << u"(kæt)"_qs << ""
                                            << "U+0028";
        QTest::newRow("innerBracketRefused") << u"kæ]t"_qs << ""
                                             << "U+005D";
        QTest::newRow("zeroWidthNoBreakSpaceNamed") << u"k\uFEFFt"_qs << ""
                                                    << "U+FEFF";
        QTest::newRow("noncharacterFffeNamed") << u"k\uFFFEt"_qs << ""
                                               << "U+FFFE";
        QTest::newRow("stressOnly") << u"ˈ"_qs << ""
                                    << "IPA";
        QTest::newRow("empty") << ""
                               << ""
                               << "IPA";
    }
    void typedIpa() {
        QFETCH(QString, ipa);
        QFETCH(QString, code);
        QFETCH(QString, errorMentions);
        QString error;
        QCOMPARE(orvanta::pronunciationFromIpa(ipa, &error), code);
        if (errorMentions.isEmpty()) {
            QVERIFY2(error.isEmpty(), qPrintable(error));
            // What the user typed is what the result will show.
            QCOMPARE(orvanta::ipaFromPronunciation(code),
                     ipa.trimmed().remove(QLatin1Char('/')).remove('[').remove(']'));
        } else {
            QVERIFY2(error.contains(errorMentions), qPrintable(error));
        }
    }

    void editsSurviveASave_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("newFileGetsNumberedLine") << QByteArray() << QByteArray("1\tzoe\tzqui\n");
        QTest::newRow("replacedInPlaceKeepingSpelling")
            << QByteArray("my notes\n7\tZoe\tzoI\n8\tann\txn\n")
            << QByteArray("my notes\n7\tZoe\tzqui\n8\tann\txn\n");
        QTest::newRow("earlierDuplicateDropped")
            << QByteArray("1\tzoe\tzoI\r\n2\tann\txn\r\n3\tzoe\tzo\r\n")
            << QByteArray("2\tann\txn\n3\tzoe\tzqui\n");
        QTest::newRow("appendedAfterLastLineWithoutEnd")
            << QByteArray("1\tann\txn") << QByteArray("1\tann\txn\n2\tzoe\tzqui\n");
    }
    void editsSurviveASave() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        const QString path =
            dir.filePath(QStringLiteral("sub/%1.txt").arg(QTest::currentDataTag()));
        if (!before.isNull())
            writeFile(QStringLiteral("sub/%1.txt").arg(QTest::currentDataTag()), before);
        UserDictionary dictionary;
        QVERIFY(dictionary.load(path));
        dictionary.set(QStringLiteral("zoe"), QStringLiteral("zqui"));
        QString error;
        QVERIFY2(dictionary.save(&error), qPrintable(error));
        QCOMPARE(readFile(path), after);

        UserDictionary reread;
        QVERIFY(reread.load(path));
        QCOMPARE(reread.codeOf(QStringLiteral("zoe")), QStringLiteral("zqui"));
        QCOMPARE(reread.toBytes(), after);
    }

    void entriesAreWhatALookupFinds() {
        const QString path = writeFile(QStringLiteral("entries.txt"),
                                       "1\tBob\tbPb\nnot an entry\n2\tann\t\n3\tcat\tkxt\n"
                                       "4\tcat\tkRt\n5\tbob\tbOb\n\t\t\n");
        UserDictionary dictionary;
        QVERIFY(dictionary.load(path));
        const QList<orvanta::UserEntry> entries = dictionary.entries();
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries[0].word, QStringLiteral("bob"));
        QCOMPARE(entries[0].code, QStringLiteral("bOb"));
        QCOMPARE(entries[1].word, QStringLiteral("cat"));
        QCOMPARE(entries[1].code, QStringLiteral("kRt"));

        QVERIFY(dictionary.remove(QStringLiteral("cat")));
        QVERIFY(!dictionary.remove(QStringLiteral("cat")));
        QVERIFY(!dictionary.remove(QString()));
        QCOMPARE(dictionary.toBytes(),
                 QByteArray("1\tBob\tbPb\nnot an entry\n2\tann\t\n5\tbob\tbOb\n\t\t\n"));
    }

    void unreadableFileIsReportedNotEmptied() {
        UserDictionary dictionary;
        QString error;
        QVERIFY(!dictionary.load(dir.path(), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(dictionary.entries().isEmpty());
        // A missing file is simply a dictionary nobody has written to yet.
        QVERIFY(dictionary.load(dir.filePath(QStringLiteral("missing.txt")), &error));
        QVERIFY(error.isEmpty());
    }

    void failedSaveIsReported() {
        // A file stands where the folder would have to be created.
        writeFile(QStringLiteral("blocker"), "x");
        UserDictionary dictionary;
        QVERIFY(dictionary.load(dir.filePath(QStringLiteral("blocker/user-british.txt"))));
        dictionary.set(QStringLiteral("dog"), QStringLiteral("dPg"));
        QString error;
        QVERIFY(!dictionary.save(&error));
        QVERIFY(error.contains(QLatin1String("blocker")));
        QCOMPARE(readFile(dir.filePath(QStringLiteral("blocker"))), QByteArray("x"));
    }
};

QTEST_GUILESS_MAIN(UserDictionaryTest)
#include "tst_user_dictionary.moc"
