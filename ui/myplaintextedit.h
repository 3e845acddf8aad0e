// The HTML source view on the "HTML" tab.
#pragma once

#include <QPlainTextEdit>

class MyPlainTextEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit MyPlainTextEdit(QWidget *parent = nullptr);
};
