#include "ui/window_settings.h"

#include "ui/result_view.h"
#include "ui_mainwindow.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>

namespace {

namespace key {
const QString variant = QStringLiteral("options/variant");
const QString cyrillic = QStringLiteral("options/cyrillic");
const QString weakForms = QStringLiteral("options/weakForms");
const QString guess = QStringLiteral("options/guessUnknownWords");
const QString joinLines = QStringLiteral("options/joinLines");
const QString geometry = QStringLiteral("window/geometry");
const QString splitter = QStringLiteral("window/splitter");
const QString zoom = QStringLiteral("result/zoom");
const QString lastFolder = QStringLiteral("files/lastFolder");
const QString recentFiles = QStringLiteral("files/recent");
const QString inputText = QStringLiteral("input/text");
const QString inputInFile = QStringLiteral("input/inFile");
} // namespace key

void fitToScreen(QMainWindow &window) {
    const QScreen *screen = window.screen();
    if (!screen)
        return;
    // The frame is not known before the window is first shown; leave room
    // for a usual title bar and borders.
    const QRect available = screen->availableGeometry();
    const QSize limit = available.size() - QSize(16, 48);
    if (window.width() > limit.width() || window.height() > limit.height())
        window.resize(window.size().boundedTo(limit).expandedTo(window.minimumSizeHint()));
    if (!available.contains(window.frameGeometry()))
        window.move(available.topLeft());
}

} // namespace

RecentFiles::RecentFiles(QMenu *menu, QObject *parent) : QObject(parent), menu(menu) {
    recent = QSettings().value(key::recentFiles).toStringList().mid(0, maxCount);
    rebuildMenu();
}

void RecentFiles::add(const QString &path) {
    recent.removeAll(path);
    recent.prepend(path);
    while (recent.size() > maxCount)
        recent.removeLast();
    store();
}

void RecentFiles::store() {
    QSettings().setValue(key::recentFiles, recent);
    rebuildMenu();
}

void RecentFiles::rebuildMenu() {
    menu->clear();
    for (int i = 0; i < recent.size(); ++i) {
        const QString path = recent.at(i);
        // "&1 notes.txt": the digit is the mnemonic; an "&" in the name is
        // doubled so that it shows as itself.
        QAction *action = menu->addAction(
            tr("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName().replace('&', "&&")));
        action->setStatusTip(QDir::toNativeSeparators(path));
        action->setToolTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] {
            if (!QFileInfo::exists(path)) {
                recent.removeAll(path);
                store();
            }
            emit chosen(path);
        });
    }
    if (!recent.isEmpty()) {
        menu->addSeparator();
        QAction *clear = menu->addAction(tr("&Clear List"));
        clear->setObjectName(QStringLiteral("actionClear_Recent"));
        connect(clear, &QAction::triggered, this, [this] {
            recent.clear();
            store();
        });
    }
    menu->setEnabled(!recent.isEmpty());
}

namespace WindowSettings {

void restore(QMainWindow &window, Ui::MainWindow &form, ResultView &result) {
    const QSettings settings;
    const QString variant = settings.value(key::variant).toString();
    if (variant == QLatin1String("british"))
        form.rdbBritish->setChecked(true);
    else if (variant == QLatin1String("american"))
        form.rdbAmerican->setChecked(true);
    form.chkTransliterate->setChecked(settings.value(key::cyrillic, false).toBool());
    form.chkWeakForms->setChecked(settings.value(key::weakForms, false).toBool());
    form.actionGuess_unknown_words->setChecked(settings.value(key::guess, true).toBool());
    form.chkJoinLines->setChecked(settings.value(key::joinLines, false).toBool());
    // Qt keeps a restored window on the screen; only the form's own size
    // needs fitting.
    if (!window.restoreGeometry(settings.value(key::geometry).toByteArray()))
        fitToScreen(window);
    form.splitter->restoreState(settings.value(key::splitter).toByteArray());
    result.restoreZoom(settings.value(key::zoom, 0).toInt());
}

void save(const QMainWindow &window, const Ui::MainWindow &form, const ResultView &result) {
    QSettings settings;
    settings.setValue(key::variant, form.rdbBritish->isChecked() ? QStringLiteral("british")
                                                                 : QStringLiteral("american"));
    settings.setValue(key::cyrillic, form.chkTransliterate->isChecked());
    settings.setValue(key::weakForms, form.chkWeakForms->isChecked());
    settings.setValue(key::guess, form.actionGuess_unknown_words->isChecked());
    settings.setValue(key::joinLines, form.chkJoinLines->isChecked());
    settings.setValue(key::geometry, window.saveGeometry());
    settings.setValue(key::splitter, form.splitter->saveState());
    settings.setValue(key::zoom, result.zoom());
}

QString lastFolder() {
    const QString folder = QSettings().value(key::lastFolder).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        return folder;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void setLastFolder(const QString &folder) {
    QSettings().setValue(key::lastFolder, folder);
}

KeptInput keptInput() {
    const QSettings settings;
    return {settings.value(key::inputText).toString(),
            settings.value(key::inputInFile, false).toBool()};
}

void keepInput(const KeptInput &input) {
    QSettings settings;
    settings.setValue(key::inputText, input.text);
    settings.setValue(key::inputInFile, input.inFile);
}

} // namespace WindowSettings
