// What the window remembers between runs: the options, its geometry, the
// result's zoom, the last folder and the recently opened files.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QMainWindow;
class QMenu;
class ResultView;

namespace Ui {
class MainWindow;
}

// The File > Open Recent menu over the list kept in the settings.
class RecentFiles : public QObject {
    Q_OBJECT

public:
    static constexpr int maxCount = 8;

    RecentFiles(QMenu *menu, QObject *parent);

    void add(const QString &path);
    QStringList paths() const { return recent; }

signals:
    void chosen(const QString &path);

private:
    void store();
    void rebuildMenu();

    QMenu *menu;
    QStringList recent;
};

namespace WindowSettings {

// Puts the remembered options, geometry, layout and zoom into the window.
void restore(QMainWindow &window, Ui::MainWindow &form, ResultView &result);
void save(const QMainWindow &window, const Ui::MainWindow &form, const ResultView &result);

// The folder the file dialogs start in: the last one used, else Documents.
QString lastFolder();
void setLastFolder(const QString &folder);

// The input pane's text, kept from one run of the program to the next as on
// a scratch pad, and whether it was saved in a file as it stands.
struct KeptInput {
    QString text;
    bool inFile = false;
};
KeptInput keptInput();
void keepInput(const KeptInput &input);

} // namespace WindowSettings
