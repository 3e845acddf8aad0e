// The Format menu on the result editor: attribute toggles, size steps, zoom.
#include "temporary_settings.h"
#include "ui/mainwindow.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

#include <memory>

class FormattingTest : public QObject {
    Q_OBJECT

    TemporarySettings settings;
    std::unique_ptr<MainWindow> window;

    QTextEdit *result() { return window->findChild<QTextEdit *>("textEdit"); }
    void trigger(const QString &action) {
        QAction *found = window->findChild<QAction *>("action" + action);
        QVERIFY2(found, qPrintable(action));
        found->trigger();
    }
    // The format of the character at `index`, not of the one before it.
    QTextCharFormat formatOf(int index) {
        QTextCursor cursor(result()->document());
        cursor.setPosition(index + 1);
        return cursor.charFormat();
    }
    void placeCursor(int position, int anchor = -1) {
        QTextCursor cursor = result()->textCursor();
        cursor.setPosition(anchor < 0 ? position : anchor);
        cursor.setPosition(position, QTextCursor::KeepAnchor);
        result()->setTextCursor(cursor);
    }
    static bool has(const QTextCharFormat &format, const QString &attribute) {
        if (attribute == "Bold")
            return format.fontWeight() > QFont::Normal;
        if (attribute == "Italic")
            return format.fontItalic();
        return format.fontUnderline();
    }

private slots:
    void init() {
        window = std::make_unique<MainWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        result()->setPlainText("one two three");
    }
    void cleanup() { window.reset(); }

    void attributeCoversTheWordAndTogglesBack_data() {
        QTest::addColumn<QString>("attribute");
        QTest::newRow("bold") << "Bold";
        QTest::newRow("italic") << "Italic";
        QTest::newRow("underline") << "Underline";
    }
    void attributeCoversTheWordAndTogglesBack() {
        QFETCH(QString, attribute);
        placeCursor(5);
        trigger(attribute);
        for (int i = 0; i < 13; ++i)
            QCOMPARE(has(formatOf(i), attribute), i >= 4 && i <= 6);
        QVERIFY(!result()->textCursor().hasSelection());
        QVERIFY(has(result()->currentCharFormat(), attribute));

        trigger(attribute);
        for (int i = 0; i < 13; ++i)
            QVERIFY(!has(formatOf(i), attribute));
    }

    void mixedSelectionFollowsTheCharacterAtTheCursor() {
        placeCursor(1);
        trigger("Bold");   // "one" bold
        placeCursor(5, 0); // cursor after "t", which is normal
        trigger("Bold");
        for (int i = 0; i < 5; ++i)
            QVERIFY(has(formatOf(i), "Bold"));
        placeCursor(1, 5); // cursor after the first "o", which is bold
        trigger("Bold");
        QVERIFY(has(formatOf(0), "Bold"));
        for (int i = 1; i < 5; ++i)
            QVERIFY(!has(formatOf(i), "Bold"));
    }

    void sizeSteps_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("smaller 8") << "Smaller" << 8 << 6;
        QTest::newRow("smaller 9") << "Smaller" << 9 << 7;
        QTest::newRow("smaller 7 stays") << "Smaller" << 7 << 7;
        QTest::newRow("smaller 6 stays") << "Smaller" << 6 << 6;
        QTest::newRow("bigger 6") << "Bigger" << 6 << 8;
        QTest::newRow("bigger 40") << "Bigger" << 40 << 42;
    }
    void sizeSteps() {
        QFETCH(QString, action);
        QFETCH(int, from);
        QFETCH(int, to);
        QTextCharFormat sized;
        sized.setFontPointSize(from);
        QTextCursor all(result()->document());
        all.select(QTextCursor::Document);
        all.mergeCharFormat(sized);
        placeCursor(5);
        trigger(action);
        QCOMPARE(formatOf(5).font().pointSize(), to);
        QCOMPARE(formatOf(0).font().pointSize(), from);
    }

    // Web pages size their text in pixels; pasted into the result, such text
    // has no point size to step from.
    void pixelSizedTextStepsFromTheSizeItIsShownAt_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<int>("direction");
        QTest::newRow("bigger 16px") << "Bigger" << 16 << 1;
        QTest::newRow("smaller 16px") << "Smaller" << 16 << -1;
        QTest::newRow("smaller 4px stays") << "Smaller" << 4 << 0;
    }
    void pixelSizedTextStepsFromTheSizeItIsShownAt() {
        QFETCH(QString, action);
        QFETCH(int, pixels);
        QFETCH(int, direction);
        result()->setHtml(
            QStringLiteral("<p style=\"font-size:%1px\">one two three</p>").arg(pixels));
        placeCursor(5);
        trigger(action);
        const QFont font = formatOf(5).font();
        if (direction == 0) {
            QCOMPARE(font.pixelSize(), pixels);
        } else {
            // Shown in pixels on this screen, the new size lies on the asked
            // side of the old one, and no more than a few points from it.
            const double shownPixels = font.pointSizeF() * result()->logicalDpiY() / 72.0;
            QVERIFY2(direction > 0 ? shownPixels > pixels : shownPixels < pixels,
                     qPrintable(QString::number(shownPixels)));
            QVERIFY(qAbs(shownPixels - pixels) < pixels);
        }
        QCOMPARE(formatOf(0).font().pixelSize(), pixels);
    }

    void unsizedTextStepsFromTheDefaultSizeDespiteZoom() {
        trigger("Zoom_In");
        trigger("Zoom_In");
        placeCursor(5);
        trigger("Bigger");
        QCOMPARE(formatOf(5).fontPointSize(), QApplication::font().pointSize() + 2);
    }

    void shortcutFromTheInputPaneFormatsTheResult() {
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        placeCursor(5);
        auto *input = window->findChild<QPlainTextEdit *>("plainTextEdit");
        input->setFocus();
        QTest::keyClick(input, Qt::Key_B, Qt::ControlModifier);
        QVERIFY(has(formatOf(5), "Bold"));
        QVERIFY(input->toPlainText().isEmpty());
        QVERIFY(!input->textCursor().charFormat().font().bold());
    }

    void formattingRefreshesTheHtmlTab() {
        placeCursor(5);
        trigger("Underline");
        window->findChild<QTabWidget *>("tabWidget")->setCurrentIndex(1);
        const QString html = window->findChild<QPlainTextEdit *>("plainTextEdit_2")->toPlainText();
        QVERIFY2(html.contains("text-decoration: underline"), qPrintable(html));
    }

    void zoomChangesOnlyTheDisplayAndStopsAtOnePoint() {
        QFont small = result()->font();
        small.setPointSize(3);
        result()->setFont(small);
        for (int i = 0; i < 5; ++i)
            trigger("Zoom_Out");
        QCOMPARE(result()->font().pointSize(), 1);
        trigger("Zoom_In");
        QCOMPARE(result()->font().pointSize(), 2);
        QVERIFY(!formatOf(5).hasProperty(QTextFormat::FontPointSize));
    }
};

QTEST_MAIN(FormattingTest)
#include "tst_formatting.moc"
