#include "ui/mytextedit.h"

#include "engine/transcription_engine.h"

#include <QHelpEvent>
#include <QTextBlock>
#include <QToolTip>

MyTextEdit::MyTextEdit(QWidget *parent) : QTextEdit(parent) {}

QString MyTextEdit::toolTipAt(const QPoint &viewportPoint) const {
    const QTextCursor cursor = cursorForPosition(viewportPoint);
    const QString text = cursor.block().text();
    const qsizetype at = cursor.positionInBlock();
    // The transcribed word around the point runs between spaces and
    // brackets; it was guessed when it starts with the mark.
    const auto parts = [](QChar c) { return c == u' ' || c == u'[' || c == u']'; };
    qsizetype start = std::min(at, text.size());
    while (start > 0 && !parts(text.at(start - 1)))
        --start;
    if (start >= text.size() || text.at(start) != QChar(orvanta::guessMark))
        return {};
    return tr("Guessed: no dictionary holds this word. Right-click its word in the sentence and "
              "choose Set pronunciation… to give your own.");
}

bool MyTextEdit::viewportEvent(QEvent *event) {
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const QString tip = toolTipAt(help->pos());
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, viewport());
        return true;
    }
    return QTextEdit::viewportEvent(event);
}
