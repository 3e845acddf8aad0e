// The window's three editors (the input, the result and the HTML tab) as the
// Edit menu, the keyboard and the mouse reach them: the Edit menu acts on the
// one that had the focus last; an Alt+letter that is no mnemonic types
// nothing; Ctrl+wheel zooms; a file dropped on the input is opened.
#pragma once

#include <QObject>

class QPlainTextEdit;
class QTextEdit;
class QWidget;
class ResultView;

namespace Ui {
class MainWindow;
}

class Editors : public QObject {
    Q_OBJECT

public:
    Editors(Ui::MainWindow &form, ResultView &resultView, QObject *parent);

    void undo();
    void redo();
    void cut();
    void copy();
    void paste();
    void selectAll();
    // Enables the Edit menu's entries as the editor last used allows.
    void updateActions();

signals:
    void fileDropped(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Ui::MainWindow &form;
    ResultView &resultView;
    QPlainTextEdit *input;
    QTextEdit *result;
    QPlainTextEdit *html;
    QWidget *lastEditor;
    int wheelRemainder = 0;
};
