#include "ui/userdictionarydialog.h"

#include "ui_userdictionarydialog.h"

#include "ui/pronunciationdialog.h"

#include <QDir>
#include <QMessageBox>
#include <QPushButton>

using orvanta::Variant;

UserDictionaryDialog::UserDictionaryDialog(Variant variant, TranscriberFactory transcriberFor,
                                           QWidget *parent)
    : QDialog(parent), ui(new Ui::UserDictionaryDialog), transcriberFor(std::move(transcriberFor)) {
    ui->setupUi(this);
    ui->tableEntries->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    if (variant == Variant::British)
        ui->rdbBritish->setChecked(true);
    else
        ui->rdbAmerican->setChecked(true);
    reload();
}

UserDictionaryDialog::~UserDictionaryDialog() {
    delete ui;
}

Variant UserDictionaryDialog::variant() const {
    return ui->rdbBritish->isChecked() ? Variant::British : Variant::American;
}

QString UserDictionaryDialog::path() const {
    return orvanta::userDictionaryPath(variant());
}

void UserDictionaryDialog::changeEvent(QEvent *e) {
    QDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        reload();
    }
}

void UserDictionaryDialog::reload() {
    orvanta::UserDictionary dictionary;
    QString error;
    const bool read = dictionary.load(path(), &error);
    const QList<orvanta::UserEntry> entries = dictionary.entries();

    QFont ipaFont = ui->tableEntries->font();
    ipaFont.setFamily(QStringLiteral("Lucida Sans Unicode"));
    ui->tableEntries->clearContents();
    ui->tableEntries->setRowCount(int(entries.size()));
    for (int row = 0; row < int(entries.size()); ++row) {
        auto *word = new QTableWidgetItem(entries[row].word);
        auto *ipa = new QTableWidgetItem(orvanta::ipaFromPronunciation(entries[row].code));
        ipa->setFont(ipaFont);
        ui->tableEntries->setItem(row, 0, word);
        ui->tableEntries->setItem(row, 1, ipa);
    }

    const QString where = QDir::toNativeSeparators(path());
    if (!read)
        ui->lblLocation->setText(tr("Could not read %1: %2").arg(where, error));
    else if (entries.isEmpty())
        ui->lblLocation->setText(
            variant() == Variant::British
                ? tr("No British pronunciations of your own yet; they will be kept in %1.")
                      .arg(where)
                : tr("No American pronunciations of your own yet; they will be kept in %1.")
                      .arg(where));
    else
        ui->lblLocation->setText(tr("Kept in %1.").arg(where));
    ui->btnAdd->setEnabled(read);
    on_tableEntries_itemSelectionChanged();
}

QStringList UserDictionaryDialog::selectedKeys() const {
    QStringList keys;
    const QList<QTableWidgetItem *> items = ui->tableEntries->selectedItems();
    for (const QTableWidgetItem *item : items) {
        const QTableWidgetItem *word = ui->tableEntries->item(item->row(), 0);
        if (word && !keys.contains(word->text()))
            keys.append(word->text());
    }
    return keys;
}

void UserDictionaryDialog::edit(const QString &key, const QString &ipa) {
    const Variant chosen = variant();
    PronunciationDialog dialog(
        path(), chosen,
        transcriberFor ? transcriberFor(chosen) : PronunciationDialog::Transcriber(), this);
    dialog.setWord(key);
    dialog.setIpa(ipa);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // Changing the word moves the entry rather than copying it.
    if (!key.isEmpty() && dialog.key() != key) {
        orvanta::UserDictionary dictionary;
        QString error;
        if (dictionary.load(path(), &error)) {
            dictionary.remove(key);
            if (!dictionary.save(&error))
                QMessageBox::warning(this, windowTitle(), error);
        }
    }
    reload();
}

void UserDictionaryDialog::on_rdbBritish_toggled(bool) {
    reload();
}

void UserDictionaryDialog::on_btnAdd_clicked() {
    edit(QString(), QString());
}

void UserDictionaryDialog::on_btnEdit_clicked() {
    const QList<QTableWidgetItem *> items = ui->tableEntries->selectedItems();
    if (!items.isEmpty())
        on_tableEntries_itemDoubleClicked(items.first());
}

void UserDictionaryDialog::on_tableEntries_itemDoubleClicked(QTableWidgetItem *item) {
    const int row = item->row();
    edit(ui->tableEntries->item(row, 0)->text(), ui->tableEntries->item(row, 1)->text());
}

void UserDictionaryDialog::on_btnDelete_clicked() {
    const QStringList keys = selectedKeys();
    if (keys.isEmpty())
        return;
    const QString question =
        keys.size() == 1 ? tr("Delete your pronunciation of \u201C%1\u201D?").arg(keys.first())
                         : tr("Delete your pronunciations of %n words?", nullptr, int(keys.size()));
    if (QMessageBox::question(this, windowTitle(), question) != QMessageBox::Yes)
        return;

    orvanta::UserDictionary dictionary;
    QString error;
    if (dictionary.load(path(), &error)) {
        for (const QString &key : keys)
            dictionary.remove(key);
        dictionary.save(&error);
    }
    if (!error.isEmpty())
        QMessageBox::warning(
            this, windowTitle(),
            tr("Could not change %1: %2").arg(QDir::toNativeSeparators(path()), error));
    reload();
}

void UserDictionaryDialog::on_tableEntries_itemSelectionChanged() {
    const bool selected = !ui->tableEntries->selectedItems().isEmpty();
    ui->btnEdit->setEnabled(selected);
    ui->btnDelete->setEnabled(selected);
}
