#include "ui/editors.h"

#include "ui/result_view.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QWheelEvent>

namespace {

// Calls `action` with the editor as the QTextEdit or QPlainTextEdit it is.
template <typename Action> void onEditor(QWidget *editor, Action action) {
    if (auto *rich = qobject_cast<QTextEdit *>(editor))
        action(rich);
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(editor))
        action(plain);
}

QString firstLocalFile(const QMimeData *data) {
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return {};
}

} // namespace

Editors::Editors(Ui::MainWindow &form, ResultView &resultView, QObject *parent)
    : QObject(parent), form(form), resultView(resultView), input(form.plainTextEdit),
      result(form.textEdit), html(form.plainTextEdit_2), lastEditor(form.plainTextEdit) {
    for (QAbstractScrollArea *editor :
         {static_cast<QAbstractScrollArea *>(input), static_cast<QAbstractScrollArea *>(result),
          static_cast<QAbstractScrollArea *>(html)}) {
        editor->installEventFilter(this);
        editor->viewport()->installEventFilter(this);
    }
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now == input || now == result || now == html) {
            lastEditor = now;
            updateActions();
        }
    });
    connect(result, &QTextEdit::undoAvailable, this, &Editors::updateActions);
    connect(result, &QTextEdit::redoAvailable, this, &Editors::updateActions);
    connect(result, &QTextEdit::copyAvailable, this, &Editors::updateActions);
    for (QPlainTextEdit *editor : {input, html}) {
        connect(editor, &QPlainTextEdit::undoAvailable, this, &Editors::updateActions);
        connect(editor, &QPlainTextEdit::redoAvailable, this, &Editors::updateActions);
        connect(editor, &QPlainTextEdit::copyAvailable, this, &Editors::updateActions);
    }
}

void Editors::undo() {
    onEditor(lastEditor, [](auto *editor) { editor->undo(); });
}

void Editors::redo() {
    onEditor(lastEditor, [](auto *editor) { editor->redo(); });
}

void Editors::cut() {
    onEditor(lastEditor, [](auto *editor) { editor->cut(); });
}

void Editors::copy() {
    onEditor(lastEditor, [](auto *editor) { editor->copy(); });
}

void Editors::paste() {
    onEditor(lastEditor, [](auto *editor) { editor->paste(); });
}

void Editors::selectAll() {
    onEditor(lastEditor, [](auto *editor) {
        editor->selectAll();
        editor->setFocus();
    });
}

void Editors::updateActions() {
    bool editable = false;
    bool undo = false;
    bool redo = false;
    bool selection = false;
    onEditor(lastEditor, [&](auto *editor) {
        editable = !editor->isReadOnly();
        undo = editor->document()->isUndoAvailable();
        redo = editor->document()->isRedoAvailable();
        selection = editor->textCursor().hasSelection();
    });
    form.actionUndo->setEnabled(editable && undo);
    form.actionRedo->setEnabled(editable && redo);
    form.actionCut->setEnabled(editable && selection);
    form.actionCopy->setEnabled(selection);
    form.actionPaste->setEnabled(editable);
}

bool Editors::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Alt+letter is a mnemonic or nothing. One that matches no mnemonic
        // (a Latin letter under a Russian interface) reaches the editor,
        // which would type the letter. AltGr is not Alt on X11, and comes
        // with Ctrl on Windows: both still type.
        if ((key->modifiers() & Qt::AltModifier) && !(key->modifiers() & Qt::ControlModifier) &&
            !key->text().isEmpty() && key->text().at(0).isPrint())
            return true;
        break;
    }
    case QEvent::Wheel: {
        auto *wheel = static_cast<QWheelEvent *>(event);
        if (!(wheel->modifiers() & Qt::ControlModifier))
            break;
        // Touchpads send many small steps; a notch of a wheel is 120.
        wheelRemainder += wheel->angleDelta().y();
        const int steps = wheelRemainder / 120;
        wheelRemainder %= 120;
        if (watched == result->viewport()) {
            resultView.zoomBy(steps);
        } else if (watched == input->viewport() || watched == html->viewport()) {
            auto *editor = static_cast<QPlainTextEdit *>(watched->parent());
            if (editor->font().pointSize() + steps > 0)
                editor->zoomIn(steps);
        }
        wheel->accept();
        return true;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove:
        if (watched == input->viewport()) {
            auto *drag = static_cast<QDragMoveEvent *>(event);
            if (!firstLocalFile(drag->mimeData()).isEmpty()) {
                drag->acceptProposedAction();
                return true;
            }
        }
        break;
    case QEvent::Drop:
        if (watched == input->viewport()) {
            auto *drop = static_cast<QDropEvent *>(event);
            const QString path = firstLocalFile(drop->mimeData());
            if (!path.isEmpty()) {
                drop->acceptProposedAction();
                emit fileDropped(path);
                return true;
            }
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
