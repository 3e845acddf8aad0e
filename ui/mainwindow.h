// The application's one main window: input pane, options, result editor with
// its HTML source view, IPA symbol buttons, and the File, Edit, Format and
// Help menus.
#pragma once

#include "engine/lexicon/dictionary.h"
#include "engine/transcription_engine.h"
#include "ui/aboutbox.h"

#include "document/user_dictionary.h"
#include "ui/pronunciationdialog.h"

#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <memory>

#include <optional>

class UserDictionaryDialog;

class QLabel;
class QLineEdit;
class QPrinter;
class QTextCharFormat;
class QTextDocument;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    static QString transliterateToCyrillic(const QString &ipa);

    // Puts the text of the file into the input pane (undoably); on failure
    // tells the user why and returns false.
    bool openFile(const QString &path);
    // Writes the result to `path` in the format its extension names
    // (HTML when it names none); on failure tells the user and returns false.
    bool saveResult(const QString &path);

    static constexpr int maxRecentFiles = 8;

protected:
    void changeEvent(QEvent *e) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    // Everything that waits for the user goes through these, so that tests
    // can answer in the user's place.
    virtual QMessageBox::StandardButton ask(QMessageBox::Icon icon, const QString &text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton);
    virtual QString chooseFileToOpen(const QString &folder);
    // Returns the chosen path with the extension of the chosen format.
    virtual QString chooseResultFile(const QString &suggestedPath);
    virtual bool openExternalUrl(const QUrl &url);

private slots:
    void on_btnVocanize_clicked();
    void insertPhoneticSymbol();
    void on_actionBold_triggered();
    void on_actionItalic_triggered();
    void on_actionUnderline_triggered();
    void on_actionBigger_triggered();
    void on_actionSmaller_triggered();
    void on_actionZoom_In_triggered();
    void on_actionZoom_Out_triggered();
    void on_actionAbout_triggered();
    void on_actionGo_to_Orvanta_website_triggered();
    void on_textEdit_textChanged();
    void on_textEdit_customContextMenuRequested(const QPoint &pos);
    void on_actionSet_pronunciation_triggered();
    void on_actionUser_Dictionary_triggered();

    void on_actionNew_triggered();
    void on_actionOpen_triggered();
    void on_actionSave_Result_As_triggered();
    void on_actionPrint_triggered();
    void on_actionPrint_Preview_triggered();
    void on_actionQuit_triggered();
    void on_actionUndo_triggered();
    void on_actionRedo_triggered();
    void on_actionCut_triggered();
    void on_actionCopy_triggered();
    void on_actionPaste_triggered();
    void on_actionSelect_All_triggered();
    void on_actionFind_triggered();
    void on_actionFind_Next_triggered();
    void on_actionFind_Previous_triggered();
    void on_actionReset_Zoom_triggered();
    void on_actionTranscribe_triggered();
    void on_tabWidget_currentChanged(int index);
    void on_rdbAmerican_toggled(bool checked);

private:
    void applyCharFormat(const QTextCharFormat &format);
    orvanta::Variant chosenVariant() const;
    // Gives a word's transcription in `variant` as a run would make it, in
    // IPA, or an empty string when the run leaves it untranscribed. The
    // dictionaries are read once, when it is made.
    PronunciationDialog::Transcriber transcriberFor(orvanta::Variant variant) const;
    // Opens "Set pronunciation" for `word` (may be empty: the user types it).
    void setPronunciation(const QString &word);

    void showResult(const QString &document);
    void refreshHtmlView();
    bool saveResultAs();
    // Asks to save an edited, unsaved result before it is thrown away;
    // false when the user chose to keep it.
    bool maybeSaveResult();
    std::unique_ptr<QTextDocument> printableResult() const;
    void printResult(QPrinter *printer) const;
    void findInResult(bool backward);
    void showNotice(const QString &text);
    void updateEditActions();
    void updateSymbolButtons();
    void zoomResultBy(int points);
    void setFileTitle();

    void readSettings();
    void writeSettings() const;
    void addRecentFile(const QString &path);
    void rebuildRecentMenu();
    QString lastFolder() const;
    void setLastFolder(const QString &folder);
    void fitToScreen();

    Ui::MainWindow *ui;
    AboutBox aboutBox;
    QString britishDictionaryPath;
    QString americanDictionaryPath;
    // The dictionary and options of the last run.
    orvanta::PronunciationDictionary dictionary;
    // The user's own pronunciations of the run's variant, looked up first.
    std::optional<orvanta::PronunciationDictionary> userDictionary;
    orvanta::EngineOptions options;
    bool settingRunResult = false;
    // The document of the last run, for the HTML tab when it is next shown;
    // null once shown or once the result was edited.
    QString pendingRunDocument;
    bool htmlViewStale = false;
    // Names the dictionary the last run could not read; empty otherwise.
    QLabel *dictionaryWarning = nullptr;
    QPointer<UserDictionaryDialog> userDictionaryDialog;
    // What opening or saving a file has to say (an encoding guessed, a save
    // failed); stays until the next file operation.
    QLabel *fileNotice = nullptr;
    QWidget *findBar = nullptr;
    QLineEdit *lineFind = nullptr;
    // The editor that the Edit menu acts on: the one that had the focus last.
    QWidget *lastEditor = nullptr;
    QStringList recentFiles;
    QString currentFile;
    // The result editor's display size before any zoom, in points.
    int resultBaseSize = 0;
    int wheelRemainder = 0;

    // The tests point the run at dictionaries that are certain not to exist.
    friend class MainWindowTest;
};
