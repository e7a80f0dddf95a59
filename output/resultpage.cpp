#include "resultpage.h"

#include "appinfo.h"
#include "messages.h"
#include "resultformat.h"
#include "shell.h"
#include "windows1252.h"

#include <QFileInfo>
#include <QSaveFile>

namespace ResultPage {

namespace {

QByteArray &operator<<(QByteArray &bytes, std::string_view piece)
{
    return bytes.append(piece.data(), static_cast<qsizetype>(piece.size()));
}

QByteArray &operator<<(QByteArray &bytes, const QString &userText)
{
    return bytes.append(Windows1252::encodeForHtml(escapeMarkup(userText)));
}

QString reasonFor(const QSaveFile &file, bool existingReadOnly)
{
    QString reason;
    if (existingReadOnly)
        reason = QStringLiteral("Het bestaande bestand is alleen-lezen.");
    else if (file.error() == QFileDevice::ResourceError)
        reason = QStringLiteral("De schijf is vol.");
    else if (file.error() == QFileDevice::OpenError)
        reason = QStringLiteral("In deze map kan geen bestand worden gemaakt.");
    else
        reason = QStringLiteral("Het bestand kon niet worden geschreven.");
    return reason + QStringLiteral(" (%1)").arg(file.errorString());
}

} // namespace

QString pathInFolder(const QString &folderText, QChar separator)
{
    return folderText + separator + QLatin1StringView(ResultFormat::pageFileName);
}

QString escapeMarkup(const QString &text)
{
    QString escaped = text;
    escaped.replace(u'&', QStringLiteral("&amp;"));
    escaped.replace(u'<', QStringLiteral("&lt;"));
    return escaped;
}

QByteArray bytes(const QString &name, const QString &resultText)
{
    using namespace ResultFormat;
    QByteArray page;
    page.reserve(256 + name.size() + resultText.size());
    page << pageHeading << lineEnd;
    page << nameOpen << name << nameClose << lineEnd;
    page << resultText << lineEnd;
    page << linkOpen << AppInfo::makerUrl << linkMiddle << AppInfo::makerHost << linkClose << lineEnd;
    return page;
}

QString write(const QString &path, const QByteArray &bytes)
{
    const QFileInfo existing(path);
    QSaveFile file(path);
    // Unbuffered, so a full disk shows in write() with its reason; commit()
    // would clear it.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return reasonFor(file, existing.exists() && !existing.isWritable());
    // A short write is retried, so that a full disk reports itself.
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return reasonFor(file, false); // the previous file is left as it was
        done += written;
    }
    if (!file.commit())
        return reasonFor(file, false);
    return {};
}

bool save(QWidget *owner, const QString &folderText, const QString &name, const QString &resultText)
{
    const QString path = pathInFolder(folderText);
    const QString failure = write(path, bytes(name, resultText));
    if (!failure.isEmpty()) {
        Messages::show(owner, QStringLiteral("Het resultaat kon niet worden opgeslagen in\n%1\n\n%2").arg(path, failure));
        return false;
    }
    Shell::openFile(owner, pathInFolder(folderText));
    return true;
}

} // namespace ResultPage
