#include "ui/result_view.h"

#include "ui/result_document.h"
#include "ui_mainwindow.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScopeGuard>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QToolButton>

#include <algorithm>

namespace {

// The font of the character before the cursor of `editor`, with the point
// size the characters carry or else the application's default size, never the
// size to which the editor happens to be zoomed, so that Bigger and Smaller
// step from what the document itself says.
QFont fontAtCursor(const QTextEdit *editor) {
    const QTextCharFormat format = editor->textCursor().charFormat();
    QFont font = format.font();
    if (format.hasProperty(QTextFormat::FontPointSize))
        return font;
    // Text pasted from a web page is sized in pixels and has no point size;
    // from the default size, Bigger would leave 16-pixel text as it is or
    // even shrink it. Step from the points it is shown at instead.
    if (font.pixelSize() > 0)
        font.setPointSizeF(font.pixelSize() * 72.0 / editor->logicalDpiY());
    else
        font.setPointSizeF(QGuiApplication::font().pointSizeF());
    return font;
}

// What Qt 6 puts into the head of every HTML export.
const QLatin1String charsetDeclaration("<meta charset=\"utf-8\" />");

} // namespace

ResultView::ResultView(Ui::MainWindow &form, QObject *parent)
    : QObject(parent), result(form.textEdit), html(form.plainTextEdit_2), tabs(form.tabWidget),
      resultPage(form.tab), htmlPage(form.tab_2) {
    // The result's own menu, with "Set pronunciation…" for the word clicked.
    result->setContextMenuPolicy(Qt::CustomContextMenu);
    // Qt's rich text does not know the relative size "smaller" that the
    // document asks for, and would show the transcription line at full size;
    // "small" is the nearest size it knows, and scales with the zoom.
    result->document()->setDefaultStyleSheet(QStringLiteral(".transcr { font-size: small; }"));
    // HTML is read by its columns. Asking for fixed pitch as well as the
    // desktop's fixed font lets the font matcher honour it where the
    // desktop names a font family without saying it is monospaced.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setStyleHint(QFont::Monospace);
    fixed.setFixedPitch(true);
    html->setFont(fixed);
    baseSize = result->font().pointSize();
    connect(result->document(), &QTextDocument::modificationChanged, this,
            &ResultView::unsavedWorkChanged);

    findBar = new QWidget(resultPage);
    findBar->setObjectName(QStringLiteral("findBar"));
    auto *findLayout = new QHBoxLayout(findBar);
    findLayout->setContentsMargins(0, 0, 0, 0);
    auto *findLabel = new QLabel(tr("F&ind:"), findBar);
    lineFind = new QLineEdit(findBar);
    lineFind->setObjectName(QStringLiteral("lineFind"));
    lineFind->setClearButtonEnabled(true);
    lineFind->installEventFilter(this);
    findLabel->setBuddy(lineFind);
    auto *btnFindNext = new QPushButton(tr("&Next"), findBar);
    btnFindNext->setObjectName(QStringLiteral("btnFindNext"));
    auto *btnFindPrevious = new QPushButton(tr("Pre&vious"), findBar);
    btnFindPrevious->setObjectName(QStringLiteral("btnFindPrevious"));
    auto *btnCloseFind = new QToolButton(findBar);
    btnCloseFind->setObjectName(QStringLiteral("btnCloseFind"));
    btnCloseFind->setText(QStringLiteral("✕"));
    btnCloseFind->setToolTip(tr("Close the search (Esc)"));
    btnCloseFind->setAutoRaise(true);
    findLayout->addWidget(findLabel);
    findLayout->addWidget(lineFind, 1);
    findLayout->addWidget(btnFindNext);
    findLayout->addWidget(btnFindPrevious);
    findLayout->addWidget(btnCloseFind);
    form.gridLayout_2->addWidget(findBar, 1, 0);
    findBar->hide();
    connect(lineFind, &QLineEdit::returnPressed, this,
            [this] { find(QGuiApplication::keyboardModifiers() & Qt::ShiftModifier); });
    connect(btnFindNext, &QPushButton::clicked, this, [this] { find(false); });
    connect(btnFindPrevious, &QPushButton::clicked, this, [this] { find(true); });
    connect(btnCloseFind, &QToolButton::clicked, this, &ResultView::hideFindBar);
}

void ResultView::show(ResultDocument &built) {
    std::unique_ptr<QTextDocument> fresh = built.takeDocument();
    QTextDocument *target = result->document();
    settingRunResult = true;
    const auto done = qScopeGuard([this] { settingRunResult = false; });
    // Edits replaced before stay in the undo history only as long as the
    // document is never set afresh.
    if ((target->isModified() || replacedEdits) && !target->isEmpty()) {
        // Hand-made formatting would be lost to a second press of the
        // button; replacing it through the cursor keeps it one Undo away.
        QTextCursor cursor(target);
        cursor.beginEditBlock();
        cursor.select(QTextCursor::Document);
        cursor.insertFragment(QTextDocumentFragment(fresh.get()));
        cursor.endEditBlock();
        result->moveCursor(QTextCursor::Start);
        target->setModified(false);
        replacedEdits = true;
        emit message(
            tr("The edited result was replaced; Edit > Undo in the result brings it back."), 10000);
    } else {
        adopt(fresh.release());
    }
    emit unsavedWorkChanged();
    pendingRunDocument = built.takeHtml();
    htmlViewStale = true;
    if (tabs->currentWidget() == htmlPage)
        refreshHtmlView();
}

void ResultView::adopt(QTextDocument *document) {
    // The editor's first document is its own and goes when replaced; the
    // later ones are ours.
    QTextDocument *old = result->document()->parent() == result ? result->document() : nullptr;
    document->setParent(result);
    // A new document rather than new content for the old one: laying out
    // the text as it is inserted would cost more than building it apart.
    result->setDocument(document);
    connect(document, &QTextDocument::modificationChanged, this, &ResultView::unsavedWorkChanged);
    delete old;
}

void ResultView::clear() {
    settingRunResult = true;
    result->clear();
    settingRunResult = false;
    result->document()->setModified(false);
    html->clear();
    pendingRunDocument = QString();
    htmlViewStale = false;
    markSaved();
}

bool ResultView::hasUnsavedWork() const {
    return result->document()->isModified() || replacedEdits;
}

void ResultView::markSaved() {
    replacedEdits = false;
    result->document()->setModified(false);
    emit unsavedWorkChanged();
}

std::unique_ptr<QTextDocument> ResultView::printable() const {
    std::unique_ptr<QTextDocument> copy(result->document()->clone());
    QFont font = copy->defaultFont();
    if (baseSize > 0)
        font.setPointSize(baseSize);
    copy->setDefaultFont(font);
    return copy;
}

void ResultView::print(QPrinter *printer) const {
    printable()->print(printer);
}

void ResultView::textChanged() {
    if (settingRunResult)
        return;
    // Exporting a long result and showing it as text takes a tenth of a
    // second, too long for every key typed; the tab is brought up to date
    // when it is looked at.
    pendingRunDocument = QString();
    htmlViewStale = true;
    if (tabs->currentWidget() == htmlPage)
        refreshHtmlView();
}

void ResultView::tabChanged() {
    if (tabs->currentWidget() == htmlPage)
        refreshHtmlView();
}

void ResultView::refreshHtmlView() {
    if (!htmlViewStale)
        return;
    htmlViewStale = false;
    // Directly after a run the tab shows the document as built.
    if (!pendingRunDocument.isNull()) {
        html->setPlainText(pendingRunDocument);
        return;
    }
    // The source view holds text, not bytes: its character set is chosen
    // when the user saves or pastes it, so the export must declare none,
    // though Qt 6 always writes one. User text cannot produce the tag, as
    // its "<" is exported as "&lt;".
    QString exported = result->document()->toHtml();
    if (const qsizetype at = exported.indexOf(charsetDeclaration); at >= 0)
        exported.remove(at, charsetDeclaration.size());
    html->setPlainText(exported);
}

void ResultView::applyCharFormat(const QTextCharFormat &format) {
    QTextCursor cursor = result->textCursor();
    if (!cursor.hasSelection())
        cursor.select(QTextCursor::WordUnderCursor);
    cursor.mergeCharFormat(format);
    result->mergeCurrentCharFormat(format);
}

void ResultView::toggle(Style style) {
    const QFont font = fontAtCursor(result);
    QTextCharFormat format;
    switch (style) {
    case Style::Bold:
        format.setFontWeight(font.weight() > QFont::Normal ? QFont::Normal : QFont::Bold);
        break;
    case Style::Italic:
        format.setFontItalic(font.style() == QFont::StyleNormal);
        break;
    case Style::Underline:
        format.setUnderlineStyle(font.underline() ? QTextCharFormat::NoUnderline
                                                  : QTextCharFormat::SingleUnderline);
        break;
    case Style::Bigger:
        format.setFontPointSize(font.pointSize() + 2);
        break;
    case Style::Smaller:
        if (font.pointSize() >= 8)
            format.setFontPointSize(font.pointSize() - 2);
        break;
    }
    applyCharFormat(format);
}

void ResultView::zoomIn() {
    result->zoomIn(1);
}

void ResultView::zoomOut() {
    // A display font of zero points or less cannot be shown.
    if (result->font().pointSizeF() - 1 > 0)
        result->zoomOut(1);
}

void ResultView::zoomBy(int points) {
    for (; points > 0; --points)
        zoomIn();
    for (; points < 0; ++points)
        zoomOut();
}

void ResultView::resetZoom() {
    zoomBy(-zoom());
}

int ResultView::zoom() const {
    return result->font().pointSize() - baseSize;
}

void ResultView::restoreZoom(int points) {
    zoomBy(std::clamp(points, 1 - baseSize, 60));
}

void ResultView::showFindBar() {
    findBar->show();
    if (result->textCursor().hasSelection())
        lineFind->setText(result->textCursor().selectedText());
    lineFind->selectAll();
    lineFind->setFocus();
}

void ResultView::hideFindBar() {
    findBar->hide();
    result->setFocus();
}

void ResultView::find(bool backward) {
    const QString text = lineFind->text();
    if (text.isEmpty()) {
        showFindBar();
        return;
    }
    tabs->setCurrentWidget(resultPage);
    const QTextDocument::FindFlags flags =
        backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    QTextDocument *document = result->document();
    QTextCursor found = document->find(text, result->textCursor(), flags);
    if (found.isNull()) {
        // Go round once, as editors do.
        QTextCursor from(document);
        if (backward)
            from.movePosition(QTextCursor::End);
        found = document->find(text, from, flags);
        if (!found.isNull())
            emit message(tr("Search went round the result."), 3000);
    }
    if (found.isNull()) {
        emit message(tr("“%1” is not in the result.").arg(text), 5000);
        return;
    }
    result->setTextCursor(found);
}

bool ResultView::eventFilter(QObject *watched, QEvent *event) {
    if (watched == lineFind && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        hideFindBar();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
