#include "qt_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace orvanta::test_support {

bool writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeDictionaries(const QString &folder, const QByteArray &british,
                       const QByteArray &american) {
    return writeFile(folder + QStringLiteral("/data/velmor_eng_transcription.txt"), british) &&
           writeFile(folder + QStringLiteral("/data/american_transcription-abridged.txt"),
                     american);
}

QString htmlDocument(const QList<Paragraph> &paragraphs) {
    QString document = QStringLiteral("<html>\n"
                                      "<header><style type=\"text/css\">\n"
                                      ".transcr {\n"
                                      "    font-family: Lucida Sans Unicode;\n"
                                      "    font-size: smaller;\n"
                                      "    color: #666666;\n"
                                      "  }\n"
                                      ".guess {\n"
                                      "    font-style: italic;\n"
                                      "    color: #996633;\n"
                                      "  }\n"
                                      "</style>\n"
                                      "</header>\n"
                                      "<body>\n");
    for (const Paragraph &paragraph : paragraphs)
        document += QStringLiteral("<p><span class=\"original\">") + paragraph.original +
                    QStringLiteral("</span><br>\n<span class=\"transcr\">") + paragraph.rendering +
                    QStringLiteral("</span></p>\n\n");
    return document + QStringLiteral("</body>\n</html>");
}

} // namespace orvanta::test_support
