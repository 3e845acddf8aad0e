// "User Dictionary": lists the user's own pronunciations of either variant
// and adds, edits and deletes them.
#pragma once

#include "document/user_dictionary.h"
#include "ui/pronunciationdialog.h"

#include <QDialog>

#include <functional>

class QTableWidgetItem;

namespace Ui {
class UserDictionaryDialog;
}

class UserDictionaryDialog : public QDialog {
    Q_OBJECT

public:
    // Makes what tells the pronunciation dialog how the program transcribes
    // a word now, in the given variant.
    using TranscriberFactory = std::function<PronunciationDialog::Transcriber(orvanta::Variant)>;

    UserDictionaryDialog(orvanta::Variant variant, TranscriberFactory transcriberFor,
                         QWidget *parent = nullptr);
    ~UserDictionaryDialog() override;

    orvanta::Variant variant() const;
    // Re-reads the chosen variant's file into the table.
    void reload();

protected:
    void changeEvent(QEvent *e) override;

private slots:
    void on_rdbBritish_toggled(bool checked);
    void on_btnAdd_clicked();
    void on_btnEdit_clicked();
    void on_btnDelete_clicked();
    void on_tableEntries_itemDoubleClicked(QTableWidgetItem *item);
    void on_tableEntries_itemSelectionChanged();

private:
    void edit(const QString &key, const QString &ipa);
    QString path() const;
    QStringList selectedKeys() const;

    Ui::UserDictionaryDialog *ui;
    TranscriberFactory transcriberFor;
};
