// How a transcription run shows that it is under way: a wait cursor at
// first, and once the run looks like taking more than half a second, a
// dialog with a bar and Cancel, while the window goes on repainting.
#pragma once

#include <QElapsedTimer>
#include <QObject>

class QProgressDialog;
class QWidget;

class RunProgress : public QObject {
    Q_OBJECT

public:
    explicit RunProgress(QWidget *window);
    ~RunProgress() override;

    void start();
    // `done` of `total` sentences are transcribed; false once the user
    // cancelled the run.
    bool advance(qsizetype done, qsizetype total);
    void finish();

signals:
    // Each time the bar moves on.
    void advanced(qsizetype done, qsizetype total);

private:
    QWidget *window;
    // Only while a run goes on.
    QProgressDialog *dialog = nullptr;
    bool moved = false;
    QElapsedTimer sinceUpdate;
    bool busyCursor = false;
};
