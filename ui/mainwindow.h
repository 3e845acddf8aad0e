// The application's one main window: input pane, options, result editor with
// its HTML source view, IPA symbol buttons, and the File, Edit, Format and
// Help menus. It wires the parts together; the result view, the files and
// the remembered settings are classes of their own.
#pragma once

#include "ui/aboutbox.h"
#include "ui/transcription.h"
#include "ui/user_prompts.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>

class Editors;
class FileActions;
class QLabel;
class RecentFiles;
class ResultView;
class RunProgress;
class UserDictionaryDialog;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow, protected UserPrompts {
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

protected:
    void changeEvent(QEvent *e) override;
    void closeEvent(QCloseEvent *event) override;

    QMessageBox::StandardButton ask(QMessageBox::Icon icon, const QString &text,
                                    QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton) override;
    QString chooseFileToOpen(const QString &folder) override;
    QString chooseResultFile(const QString &suggestedPath) override;
    QString chooseInputFile(const QString &suggestedPath) override;
    bool openExternalUrl(const QUrl &url) override;

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
    void on_actionSave_Input_As_triggered();
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
    void setUpSymbolButtons();
    void setUpShortcuts();
    void setUpKeyboardFocus();
    void nameHelpAction();
    orvanta::Variant chosenVariant() const;
    // Opens "Set pronunciation" for `word` (may be empty: the user types it).
    void setPronunciation(const QString &word);

    void showNotice(const QString &text);
    void showWarning(const QString &text);
    void updateSymbolButtons();
    void setFileTitle();
    // The title's mark for work that is in no file yet.
    void updateModified();

    Ui::MainWindow *ui;
    AboutBox aboutBox;
    ResultView *resultView = nullptr;
    RunProgress *runProgress = nullptr;
    RecentFiles *recentFiles = nullptr;
    FileActions *files = nullptr;
    Editors *editors = nullptr;
    Transcription transcription;
    // Names the dictionary the last run could not read; empty otherwise.
    QLabel *dictionaryWarning = nullptr;
    QPointer<UserDictionaryDialog> userDictionaryDialog;
    // What opening or saving a file has to say (an encoding guessed, a save
    // failed); stays until the next file operation.
    QLabel *fileNotice = nullptr;

    // The tests point the run at dictionaries that are certain not to exist.
    friend class MainWindowTest;
};
