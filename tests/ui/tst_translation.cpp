// The Russian interface: chosen by locale, complete, and faithful to the
// placeholders the program fills in.
#include "declared_version.h"
#include "ui/aboutbox.h"
#include "ui/mainwindow.h"
#include "ui/translations.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>

class TranslationTest : public QObject {
    Q_OBJECT

    struct Message {
        QString context, source, translation;
        bool finished = true;
        bool plural = false;
    };

    static QList<Message> catalogue() {
        QFile file(QStringLiteral(ORVANTA_SOURCE_DIR "/ui/translations/orvanta_ru.ts"));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot read the catalogue");
        QList<Message> messages;
        QXmlStreamReader xml(&file);
        QString context;
        Message message;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("message")) {
                message = Message{context,
                                  {},
                                  {},
                                  true,
                                  xml.attributes().value("numerus") == QLatin1String("yes")};
            } else if (xml.name() == QLatin1String("source")) {
                message.source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                message.finished = xml.attributes().value("type").isEmpty();
                message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                messages.append(message);
            }
        }
        if (xml.hasError())
            qFatal("catalogue: %s", qPrintable(xml.errorString()));
        return messages;
    }
    static QStringList placeholders(const QString &text) {
        static const QRegularExpression placeholder(QStringLiteral("%(\\d|n)"));
        QStringList found;
        for (auto it = placeholder.globalMatch(text); it.hasNext();)
            found << it.next().captured();
        found.sort();
        found.removeDuplicates();
        return found;
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void otherLanguagesStayEnglish() {
        QVERIFY(!orvanta::installTranslations(*qApp, QLocale(QLocale::German, QLocale::Germany)));
        QCOMPARE(QCoreApplication::translate("MainWindow", "Transcribe!"), "Transcribe!");
    }

    void everyMessageIsTranslatedFaithfully() {
        const QList<Message> messages = catalogue();
        QVERIFY(messages.size() > 100);
        for (const Message &m : messages) {
            const QString where = m.context + ": " + m.source;
            QVERIFY2(m.finished && !m.translation.isEmpty(), qPrintable(where));
            // Each plural form is its own <numerusform>; the text holds them all.
            QCOMPARE(placeholders(m.translation), placeholders(m.source));
            QCOMPARE(m.translation.count('&') > 0, m.source.count('&') > 0);
        }
    }

    void russianLocaleTranslatesTheWindow_data() {
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<QString>("text");
        QTest::newRow("transcribeButton") << "btnVocanize" << u"&Транскрибировать!"_qs;
        QTest::newRow("britishChoice") << "rdbBritish" << u"&Британский"_qs;
    }
    void russianLocaleTranslatesTheWindow() {
        QFETCH(QString, objectName);
        QFETCH(QString, text);
        static const bool installed =
            orvanta::installTranslations(*qApp, QLocale(QLocale::Russian, QLocale::Russia));
        QVERIFY(installed);
        MainWindow window;
        auto *widget = window.findChild<QAbstractButton *>(objectName);
        QVERIFY(widget);
        QCOMPARE(widget->text().remove('&'), text.remove('&'));
    }

    // With a Latin keyboard layout under the Russian interface, Alt+F matches
    // no mnemonic ("Файл" has Ф): it must not type an "f".
    void russianInterfaceTypesNothingForAltWithALatinLetter() {
        QVERIFY(orvanta::installTranslations(*qApp, QLocale(QLocale::Russian, QLocale::Russia)));
        MainWindow window;
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *input = window.findChild<QPlainTextEdit *>("plainTextEdit");
        input->clear();
        input->setFocus();
        QTRY_VERIFY(input->hasFocus());
        QTest::keyClick(input, Qt::Key_F, Qt::AltModifier);
        QCOMPARE(input->toPlainText(), QString());
    }

    // Within a menu no Russian letter is claimed twice.
    void russianMenusHaveUniqueMnemonics() {
        QVERIFY(orvanta::installTranslations(*qApp, QLocale(QLocale::Russian, QLocale::Russia)));
        MainWindow window;
        for (QMenu *menu : window.findChildren<QMenu *>()) {
            QStringList taken;
            for (QAction *action : menu->actions()) {
                const QString text = action->menu() ? action->menu()->title() : action->text();
                const QString key = QKeySequence::mnemonic(text).toString();
                if (key.isEmpty())
                    continue;
                QVERIFY2(!taken.contains(key), qPrintable(text));
                taken << key;
            }
        }
    }

    void russianAboutBoxIsTranslatedWithItsWholeTitle() {
        QVERIFY(orvanta::installTranslations(*qApp, QLocale(QLocale::Russian, QLocale::Russia)));
        AboutBox box;
        const auto cyrillic = [](const QString &text) {
            return std::any_of(text.begin(), text.end(),
                               [](QChar c) { return c.script() == QChar::Script_Cyrillic; });
        };
        QVERIFY2(cyrillic(box.windowTitle()), qPrintable(box.windowTitle()));
        const QString version = box.findChild<QLabel *>("label_2")->text();
        QVERIFY2(cyrillic(version) && version.contains(declaredVersion()), qPrintable(version));
        // Title bars use a bold face as a rule; the box is at least as wide
        // as its title so set.
        QFont bold = box.font();
        bold.setBold(true);
        QVERIFY(box.width() > QFontMetrics(bold).horizontalAdvance(box.windowTitle()));
        QCOMPARE(box.minimumSize(), box.maximumSize());
    }

    void qtsOwnTextsFollow() {
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_ru.qm"))
            QSKIP("Qt's Russian catalogue is not installed");
        orvanta::installTranslations(*qApp, QLocale(QLocale::Russian, QLocale::Russia));
        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        QVERIFY(buttons.button(QDialogButtonBox::Cancel)->text().contains(u"Отмена"_qs));
    }
};

QTEST_MAIN(TranslationTest)
#include "tst_translation.moc"
