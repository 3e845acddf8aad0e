// The application's one main window: input pane, options, result editor with
// its HTML source view, IPA symbol buttons, and the Format and Help menus.
#pragma once

#include "engine/dictionary.h"
#include "engine/transcription_engine.h"
#include "ui/aboutbox.h"

#include "document/user_dictionary.h"
#include "ui/pronunciationdialog.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <optional>

class UserDictionaryDialog;

class QLabel;
class QTextCharFormat;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    static QString transliterateToCyrillic(const QString &ipa);

protected:
    void changeEvent(QEvent *e) override;

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

private:
    void applyCharFormat(const QTextCharFormat &format);
    orvanta::Variant chosenVariant() const;
    // Gives a word's transcription in `variant` as a run would make it, in
    // IPA, or an empty string when the run leaves it untranscribed. The
    // dictionaries are read once, when it is made.
    PronunciationDialog::Transcriber transcriberFor(orvanta::Variant variant) const;
    // Opens "Set pronunciation" for `word` (may be empty: the user types it).
    void setPronunciation(const QString &word);

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
    // Names the dictionary the last run could not read; empty otherwise.
    QLabel *dictionaryWarning = nullptr;
    QPointer<UserDictionaryDialog> userDictionaryDialog;

    // The tests point the run at dictionaries that are certain not to exist.
    friend class MainWindowTest;
};
