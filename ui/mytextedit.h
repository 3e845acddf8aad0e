// The result editor on the "Regular" tab.
#pragma once

#include <QTextEdit>

class MyTextEdit : public QTextEdit {
    Q_OBJECT

public:
    explicit MyTextEdit(QWidget *parent = nullptr);

    // The tooltip for the point of the viewport: what a starred (guessed)
    // word is, or nothing elsewhere.
    QString toolTipAt(const QPoint &viewportPoint) const;

protected:
    bool viewportEvent(QEvent *event) override;
};
