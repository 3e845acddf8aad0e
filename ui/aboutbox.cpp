#include "ui/aboutbox.h"

#include "ui_aboutbox.h"

AboutBox::AboutBox(QWidget *parent)
    // Without the title hint some X11 window managers draw no title bar at all
    // for a customised window; the title and a close button are what is wanted.
    : QDialog(parent, Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      ui(new Ui::AboutBox) {
    ui->setupUi(this);
    ui->label_2->setText(tr("Version %1").arg(QStringLiteral(ORVANTA_VERSION)));
    // A dialog that holds three fixed lines has nothing to gain from resizing.
    setFixedSize(size());
}

AboutBox::~AboutBox() {
    delete ui;
}
