#include "ui/run_progress.h"

#include <QGuiApplication>
#include <QProgressDialog>

namespace {

constexpr int steps = 1000;
// Between two moves of the bar: often enough to look alive and to answer
// Cancel at once, seldom enough that painting the dialog costs the run
// nothing to speak of.
constexpr qint64 updateInterval = 50; // ms

} // namespace

RunProgress::RunProgress(QWidget *window) : QObject(window), window(window) {
    setObjectName(QStringLiteral("runProgress"));
}

RunProgress::~RunProgress() {
    finish();
}

void RunProgress::start() {
    finish();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    dialog = new QProgressDialog(window);
    dialog->setObjectName(QStringLiteral("runProgressDialog"));
    dialog->setWindowTitle(tr("Orvanta"));
    dialog->setLabelText(tr("Transcribing…"));
    // Qt's own catalogue, which would translate it, is optional.
    dialog->setCancelButtonText(tr("Cancel"));
    dialog->setRange(0, steps);
    dialog->setMinimumDuration(500);
    // Nothing else may start or change while the run goes on: the input it
    // reads, the dictionaries, another run.
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    dialog->setValue(0);
    moved = false;
    busyCursor = false;
}

bool RunProgress::advance(qsizetype done, qsizetype total) {
    if (!dialog)
        return true;
    // The first sentence always moves the bar, which starts the dialog's
    // clock; after that, time decides.
    if (moved && sinceUpdate.elapsed() < updateInterval)
        return !dialog->wasCanceled();
    moved = true;
    sinceUpdate.start();
    // Shows the dialog once the run looks long; from then on it lets the
    // window repaint and the Cancel button answer.
    dialog->setValue(total > 0 ? int(done * steps / total) : steps);
    if (dialog->isVisible() && !busyCursor) {
        // Over the dialog the pointer must look as if it may click.
        QGuiApplication::changeOverrideCursor(Qt::BusyCursor);
        busyCursor = true;
    }
    emit advanced(done, total);
    return !dialog->wasCanceled();
}

void RunProgress::finish() {
    if (!dialog)
        return;
    delete dialog;
    dialog = nullptr;
    QGuiApplication::restoreOverrideCursor();
}
