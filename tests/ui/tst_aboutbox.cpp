// The Help menu: one modeless, fixed-size About box, and the website link.
#include "declared_version.h"
#include "temporary_settings.h"
#include "ui/aboutbox.h"
#include "ui/fonts.h"
#include "ui/mainwindow.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

class AboutBoxTest : public QObject {
    Q_OBJECT

    TemporarySettings settings;
    std::unique_ptr<MainWindow> window;
    QList<QUrl> openedUrls;

    QAction *action(const char *name) { return window->findChild<QAction *>(name); }
    static QList<AboutBox *> visibleAboutBoxes() {
        QList<AboutBox *> found;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *box = qobject_cast<AboutBox *>(widget); box && box->isVisible())
                found << box;
        }
        return found;
    }

public slots:
    void openUrl(const QUrl &url) { openedUrls << url; }

private slots:
    void init() {
        window = std::make_unique<MainWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() { window.reset(); }

    void aboutShowsOneModelessDialog() {
        action("actionAbout")->trigger();
        action("actionAbout")->trigger();
        QCOMPARE(visibleAboutBoxes().size(), 1);
        AboutBox *box = visibleAboutBoxes().first();
        QVERIFY(!box->isModal());
        QVERIFY(!box->parentWidget());
        box->close();
        action("actionAbout")->trigger();
        QCOMPARE(visibleAboutBoxes(), QList<AboutBox *>{box});
    }

    void aboutBoxIsFixedAndComplete() {
        action("actionAbout")->trigger();
        AboutBox *box = visibleAboutBoxes().value(0);
        QVERIFY(box);
        QCOMPARE(box->minimumSize(), box->maximumSize());
        // Everything the box holds fits in it.
        QVERIFY(box->size().expandedTo(box->minimumSizeHint()) == box->size());
        QVERIFY(box->windowTitle().contains("Orvanta"));
        const Qt::WindowFlags flags = box->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & (Qt::WindowContextHelpButtonHint | Qt::WindowMinMaxButtonsHint)));
        QCOMPARE(box->findChild<QLabel *>("label")->text(), "Orvanta");
        // The version the build declares, read where it is declared.
        QVERIFY2(box->findChild<QLabel *>("label_2")->text().contains(declaredVersion()),
                 qPrintable(box->findChild<QLabel *>("label_2")->text()));
        QVERIFY(!box->findChild<QLabel *>("label_3")->text().isEmpty());
        const QPixmap image = box->findChild<QLabel *>("label_4")->pixmap();
        QCOMPARE(image.size(), QSize(64, 64));
        // A picture, not an empty square.
        const QImage pixels = image.toImage();
        bool drawn = false;
        for (int y = 0; y < pixels.height() && !drawn; ++y) {
            for (int x = 0; x < pixels.width() && !drawn; ++x)
                drawn = qAlpha(pixels.pixel(x, y)) != 0;
        }
        QVERIFY(drawn);
    }

    void websiteLinkOpensTheShippedGuide() {
        QDesktopServices::setUrlHandler("file", this, "openUrl");
        action("actionGo_to_Orvanta_website")->trigger();
        QDesktopServices::unsetUrlHandler("file");
        QCOMPARE(openedUrls.size(), 1);
        QVERIFY2(QFileInfo(openedUrls[0].toLocalFile()).isFile(),
                 qPrintable(openedUrls[0].toString()));
        QVERIFY(openedUrls[0].path().endsWith("docs/index.html"));
        // A guide on the disk is no web site, and the menu must not say so.
        const QString text = action("actionGo_to_Orvanta_website")->text();
        QVERIFY2(!text.contains("website", Qt::CaseInsensitive), qPrintable(text));
    }

    void symbolFontCoversEverySymbol() {
        orvanta::registerFontSubstitutes();
        for (QPushButton *button : window->findChildren<QPushButton *>()) {
            if (!button->objectName().startsWith("btnPhoneticSymbol_"))
                continue;
            QCOMPARE(button->font().family(), "Lucida Sans Unicode");
            const QFontMetrics metrics(button->font());
            for (QChar symbol : button->text())
                QVERIFY2(metrics.inFont(symbol), qPrintable(button->objectName()));
        }
    }

    // Runs the real event loop, so it comes last. The About box is a
    // window of its own; left behind, it kept the program running.
    void closingTheMainWindowClosesTheAboutBoxAndEndsTheProgram() {
        action("actionAbout")->trigger();
        QCOMPARE(visibleAboutBoxes().size(), 1);
        QTimer closeWindow, giveUp;
        closeWindow.setSingleShot(true);
        giveUp.setSingleShot(true);
        connect(&closeWindow, &QTimer::timeout, this, [&] { window->close(); });
        connect(&giveUp, &QTimer::timeout, qApp, &QCoreApplication::quit);
        closeWindow.start(0);
        giveUp.start(10000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(visibleAboutBoxes().isEmpty());
        QVERIFY(giveUp.isActive());
    }
};

QTEST_MAIN(AboutBoxTest)
#include "tst_aboutbox.moc"
