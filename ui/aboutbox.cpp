#include "ui/aboutbox.h"

#include "ui_aboutbox.h"

#include <QEvent>
#include <QFontMetrics>

#include <algorithm>

AboutBox::AboutBox(QWidget *parent)
    // Without the title hint some X11 window managers draw no title bar at all
    // for a customised window; the title and a close button are what is wanted.
    : QDialog(parent, Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      ui(new Ui::AboutBox) {
    ui->setupUi(this);
    formWidth = width();
    retranslate();
}

AboutBox::~AboutBox() {
    delete ui;
}

void AboutBox::changeEvent(QEvent *event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        retranslate();
    }
}

void AboutBox::retranslate() {
    ui->label_2->setText(tr("Version %1").arg(QStringLiteral(ORVANTA_VERSION)));
    // A translated title can be longer than the form is wide, and window
    // managers cut a title to the window's width. Title bars use a bold
    // face as a rule, and hold an icon and buttons besides the text.
    QFont titleFont = font();
    titleFont.setBold(true);
    const int titleWidth =
        QFontMetrics(titleFont).horizontalAdvance(windowTitle()) + 6 * fontMetrics().height();
    const int newWidth = std::max(formWidth, titleWidth);
    // The form places its contents for its own width; keep them centred.
    const int shift = (newWidth - width()) / 2;
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        child->move(child->x() + shift, child->y());
    // A dialog that holds three fixed lines has nothing to gain from resizing.
    setFixedSize(newWidth, height());
}
