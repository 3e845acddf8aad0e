// The window's files: the text opened into the input pane, and the result
// saved, printed or previewed.
#pragma once

#include <QObject>
#include <QString>

class QPlainTextEdit;
class QWidget;
class RecentFiles;
class ResultView;
class UserPrompts;

class FileActions : public QObject {
    Q_OBJECT

public:
    FileActions(UserPrompts &prompts, QWidget *window, QPlainTextEdit *input, ResultView &result,
                RecentFiles &recent);

    // Puts the text of the file into the input pane (undoably); on failure
    // tells the user why and returns false.
    bool open(const QString &path);
    // Asks for a file and opens it.
    void chooseAndOpen();
    // Writes the result to `path` in the format its extension names
    // (HTML when it names none); on failure tells the user and returns false.
    bool saveResult(const QString &path);
    bool saveResultAs();
    // Asks to save an edited, unsaved result before it is thrown away;
    // false when the user chose to keep it.
    bool maybeSaveResult();
    // Writes the input pane's text to a file of the user's choice, as UTF-8.
    bool saveInputAs();
    bool saveInput(const QString &path);
    // Asks before typed text that is in no file is cleared away; false when
    // the user chose to keep it.
    bool maybeSaveInput();
    void print();
    void printPreview();

    // The file the input came from or was saved to; empty for a text typed
    // or pasted.
    QString currentFile() const { return file; }
    void forgetCurrentFile();

    // The file dialog of "Save Result As", offering every format.
    static QString askForResultFile(QWidget *parent, const QString &suggestedPath);

signals:
    void currentFileChanged();
    // What opening or saving a file has to say (an encoding guessed);
    // empty when there is nothing to say.
    void notice(const QString &text);
    void message(const QString &text, int timeout);

private:
    UserPrompts &prompts;
    QWidget *window;
    QPlainTextEdit *input;
    ResultView &result;
    RecentFiles &recent;
    QString file;
};
