#include "ui/mytextedit.h"

MyTextEdit::MyTextEdit(QWidget *parent) : QTextEdit(parent) {}
