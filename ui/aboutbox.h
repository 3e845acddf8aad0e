// The modeless About dialog with the product image, name and version.
#pragma once

#include <QDialog>

namespace Ui {
class AboutBox;
}

class AboutBox : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(QWidget *parent = nullptr);
    ~AboutBox() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    Ui::AboutBox *ui;
    int formWidth = 0;
};
