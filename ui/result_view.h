// The result as the user sees and shapes it: the editable result on the
// "Regular" tab, its HTML on the "HTML" tab, the find bar, the Format menu's
// character formats and the zoom.
#pragma once

#include <QObject>
#include <QString>

#include <memory>

class ResultDocument;
class QLineEdit;
class QPlainTextEdit;
class QPrinter;
class QTabWidget;
class QTextCharFormat;
class QTextDocument;
class QTextEdit;
class QWidget;

namespace Ui {
class MainWindow;
}

class ResultView : public QObject {
    Q_OBJECT

public:
    // Works on the result widgets of `form`, and adds the find bar to them.
    ResultView(Ui::MainWindow &form, QObject *parent);

    QTextEdit *editor() const { return result; }

    // Puts a run's document in place of the result; an edited result stays
    // one Undo away.
    void show(ResultDocument &built);
    void clear();
    // Whether closing or clearing would lose work: the result was edited
    // and not saved, or an edited result was replaced by a run and is only
    // one Undo away.
    bool hasUnsavedWork() const;
    bool hasReplacedEdits() const { return replacedEdits; }
    // The user saved the result, or chose to let the unsaved work go.
    void markSaved();
    // The result as files and paper get it: at the text's own sizes, not
    // the screen's zoom.
    std::unique_ptr<QTextDocument> printable() const;
    void print(QPrinter *printer) const;

    void textChanged();
    void tabChanged();

    enum class Style { Bold, Italic, Underline, Bigger, Smaller };
    void toggle(Style style);

    void zoomIn();
    void zoomOut();
    void zoomBy(int points);
    void resetZoom();
    // Points above (or below) the size the result started at.
    int zoom() const;
    // Back to a remembered zoom; a hand-edited value must not make the text
    // unreadable or huge.
    void restoreZoom(int points);

    void showFindBar();
    void find(bool backward);

signals:
    void message(const QString &text, int timeout);
    void unsavedWorkChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Makes `document` the editor's, in place of the one it shows.
    void adopt(QTextDocument *document);
    void applyCharFormat(const QTextCharFormat &format);
    void refreshHtmlView();
    void hideFindBar();

    QTextEdit *result;
    QPlainTextEdit *html;
    QTabWidget *tabs;
    QWidget *resultPage;
    QWidget *htmlPage;
    QWidget *findBar = nullptr;
    QLineEdit *lineFind = nullptr;
    bool settingRunResult = false;
    // The document of the last run, for the HTML tab when it is next shown;
    // null once shown or once the result was edited.
    QString pendingRunDocument;
    bool htmlViewStale = false;
    bool replacedEdits = false;
    // The result editor's display size before any zoom, in points.
    int baseSize = 0;
};
