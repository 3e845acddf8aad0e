// The result editor on the "Regular" tab.
#pragma once

#include <QTextEdit>

class MyTextEdit : public QTextEdit {
    Q_OBJECT

public:
    explicit MyTextEdit(QWidget *parent = nullptr);
};
