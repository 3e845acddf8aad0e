#include "document/user_dictionary.h"
#include "document/utf16.h"

#include "engine/output/ipa.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace orvanta {

namespace {

// How a symbol is named to the user: itself, and its code point, since a
// combining mark or a look-alike letter is hard to tell apart on screen.
QString describeSymbol(const QString &symbol) {
    const char32_t point = symbol.toUcs4().value(0);
    const QString shown =
        symbol.size() == 1 && QChar(symbol.at(0)).category() == QChar::Mark_NonSpacing
            ? QStringLiteral("\u25CC") + symbol
            : symbol;
    const QString number =
        QStringLiteral("U+%1").arg(uint(point), 4, 16, QLatin1Char('0')).toUpper();
    if (symbol == QLatin1String("\t"))
        return QCoreApplication::translate("UserDictionary", "a tab (%1)").arg(number);
    if (symbol.at(0).isSpace())
        return QCoreApplication::translate("UserDictionary", "a space (%1)").arg(number);
    return QCoreApplication::translate("UserDictionary", "\u201C%1\u201D (%2)").arg(shown, number);
}

QString foldAscii(QString text) {
    for (QChar &c : text) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() - u'A' + u'a');
    }
    return text;
}

bool isLetterOrDigit(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

} // namespace

QString userDataFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("orvanta"));
}

QString userDictionaryPath(Variant variant) {
    return QDir(userDataFolder())
        .filePath(variant == Variant::British ? QStringLiteral("user-british.txt")
                                              : QStringLiteral("user-american.txt"));
}

std::optional<PronunciationDictionary> loadUserLayer(const QString &path, QString *error) {
    if (error)
        error->clear();
    if (!QFileInfo::exists(path))
        return std::nullopt;
    DictionaryLoad load = PronunciationDictionary::load(QFile::encodeName(path).toStdString());
    if (!load.ok()) {
        if (error)
            *error = QString::fromLocal8Bit(load.error);
        return std::nullopt;
    }
    return std::move(load.dictionary);
}

QString userDictionaryKey(const QString &word, QString *error) {
    const QString trimmed = word.trimmed();
    QString failure;
    QString key;
    if (trimmed.isEmpty()) {
        failure = QCoreApplication::translate("UserDictionary", "Type the word.");
    } else {
        for (const QChar c : trimmed) {
            if (isLetterOrDigit(c) || c == u'\'') {
                key += c;
            } else if (c == u'-') {
                continue;
            } else if (c.isSpace()) {
                failure = QCoreApplication::translate(
                    "UserDictionary", "Type one word: Orvanta looks words up one at a time.");
                break;
            } else {
                failure = QCoreApplication::translate(
                              "UserDictionary",
                              "The word holds %1, which Orvanta leaves out of every text: "
                              "a word can be made of the letters A to Z, digits, apostrophes "
                              "and hyphens.")
                              .arg(describeSymbol(QString(c)));
                break;
            }
        }
        if (failure.isEmpty() && key.isEmpty())
            failure =
                QCoreApplication::translate("UserDictionary", "The word needs a letter or digit.");
    }
    if (error)
        *error = failure;
    return failure.isEmpty() ? foldAscii(key) : QString();
}

QString pronunciationFromIpa(const QString &ipa, QString *error) {
    QString text = ipa.trimmed();
    if (text.size() >= 2 && ((text.front() == u'/' && text.back() == u'/') ||
                             (text.front() == u'[' && text.back() == u']')))
        text = text.mid(1, text.size() - 2).trimmed();

    QString failure;
    QString code;
    const IpaParse parse = parseIpa(text.toStdU16String());
    if (!parse.ok()) {
        const QString symbol = toQString(parse.refusedSymbol);
        failure = QCoreApplication::translate("UserDictionary",
                                              "%1 has no equivalent in Orvanta's transcription.")
                      .arg(describeSymbol(symbol));
        if (!parse.suggestion.empty()) {
            failure += QLatin1Char(' ') + QCoreApplication::translate(
                                              "UserDictionary", "Write \u201C%1\u201D instead.")
                                              .arg(toQString(parse.suggestion));
        }
    } else {
        code = toQString(parse.code);
        // Parentheses mark a word left untranscribed and brackets a
        // sentence; inside a word's transcription they would be misread.
        for (const QChar c : std::as_const(code)) {
            if (c == u'(' || c == u')' || c == u'[' || c == u']') {
                failure = QCoreApplication::translate("UserDictionary",
                                                      "%1 cannot be part of a pronunciation.")
                              .arg(describeSymbol(QString(c)));
                break;
            }
        }
        if (failure.isEmpty() &&
            std::none_of(code.cbegin(), code.cend(), [](QChar c) { return c.isLetter(); }))
            failure = QCoreApplication::translate(
                "UserDictionary",
                "Type the pronunciation in IPA, e.g. \u02C8t\u0283\u025C\u02D0t\u0283.");
    }
    if (error)
        *error = failure;
    return failure.isEmpty() ? code : QString();
}

QString ipaFromPronunciation(const QString &code) {
    QString ipa;
    for (const QChar c : code) {
        const std::u16string_view symbol = ipaSymbolOf(c.unicode());
        ipa.append(reinterpret_cast<const QChar *>(symbol.data()), qsizetype(symbol.size()));
    }
    return ipa;
}

bool UserDictionary::load(const QString &path, QString *error) {
    path_ = path;
    lines_.clear();
    if (error)
        error->clear();
    if (!QFileInfo::exists(path))
        return true;
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QFileInfo(path).isDir()
                         ? QCoreApplication::translate("UserDictionary", "%1 is a folder.")
                               .arg(QDir::toNativeSeparators(path))
                         : file.errorString();
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    QList<QByteArray> texts = bytes.split('\n');
    // The line end of the last line makes an empty piece that is no line.
    if (!texts.isEmpty() && texts.back().isEmpty())
        texts.removeLast();
    for (QByteArray &text : texts) {
        if (text.endsWith('\r'))
            text.chop(1);
        Line line{text, {}, {}};
        const QList<QByteArray> fields = text.split('\t');
        if (fields.size() == 3) {
            line.key = foldAscii(QString::fromLatin1(fields[1]));
            line.code = QString::fromLatin1(fields[2]);
        }
        lines_.append(line);
    }
    return true;
}

bool UserDictionary::save(QString *error) const {
    QString failure;
    if (!QDir().mkpath(QFileInfo(path_).absolutePath())) {
        failure = QCoreApplication::translate("UserDictionary", "Could not create the folder %1.")
                      .arg(QDir::toNativeSeparators(QFileInfo(path_).absolutePath()));
    } else {
        QSaveFile file(path_);
        const QByteArray bytes = toBytes();
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            failure = file.errorString();
    }
    if (error)
        *error = failure;
    return failure.isEmpty();
}

QList<UserEntry> UserDictionary::entries() const {
    QMap<QString, QString> effective;
    for (const Line &line : lines_) {
        if (!line.key.isEmpty())
            effective.insert(line.key, line.code);
    }
    QList<UserEntry> result;
    for (auto it = effective.cbegin(); it != effective.cend(); ++it) {
        if (!it.value().isEmpty())
            result.append({it.key(), it.value()});
    }
    return result;
}

QString UserDictionary::codeOf(const QString &key) const {
    for (auto it = lines_.crbegin(); it != lines_.crend(); ++it) {
        if (it->key == key && !key.isEmpty())
            return it->code;
    }
    return {};
}

void UserDictionary::set(const QString &key, const QString &code) {
    if (key.isEmpty())
        return;
    qsizetype last = lines_.size() - 1;
    while (last >= 0 && lines_[last].key != key)
        --last;
    if (last >= 0) {
        // Earlier lines for the word are dead once a later one exists.
        for (qsizetype i = last - 1; i >= 0; --i) {
            if (lines_[i].key == key) {
                lines_.removeAt(i);
                --last;
            }
        }
        Line &line = lines_[last];
        const QList<QByteArray> fields = line.text.split('\t');
        line.text = fields[0] + '\t' + fields[1] + '\t' + code.toLatin1();
        line.code = code;
        return;
    }
    const qsizetype number = std::count_if(lines_.cbegin(), lines_.cend(),
                                           [](const Line &l) { return !l.key.isEmpty(); });
    lines_.append({QByteArray::number(number + 1) + '\t' + key.toLatin1() + '\t' + code.toLatin1(),
                   key, code});
}

bool UserDictionary::remove(const QString &key) {
    return !key.isEmpty() && lines_.removeIf([&](const Line &line) { return line.key == key; }) > 0;
}

QByteArray UserDictionary::toBytes() const {
    QByteArray bytes;
    for (const Line &line : lines_)
        bytes += line.text + '\n';
    return bytes;
}

} // namespace orvanta
