#include "resultpage.h"

#include "appinfo.h"
#include "messages.h"
#include "resultformat.h"
#include "shell.h"
#include "pagetext.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

namespace ResultPage {

namespace {

QByteArray &operator<<(QByteArray &bytes, std::string_view piece)
{
    return bytes.append(piece.data(), static_cast<qsizetype>(piece.size()));
}

QByteArray &operator<<(QByteArray &bytes, const QString &userText)
{
    return bytes.append(PageText::encode(userText));
}

// Names the cause in Dutch; the system's own text only where none fits.
QString reasonFor(const QSaveFile &file, const QString &path)
{
    const QFileInfo target(path);
    const QString folder = target.absolutePath();
    if (file.error() == QFileDevice::ResourceError)
        return QStringLiteral("De schijf is vol.");
    if (QStorageInfo(folder).isReadOnly())
        return QStringLiteral("De schijf waarop de map staat, is alleen-lezen.");
    if (target.exists() && !target.isWritable())
        return QStringLiteral("Het bestaande bestand is alleen-lezen.");
    if (!QFileInfo(folder).isWritable())
        return QStringLiteral("U hebt geen toestemming om in deze map te schrijven.");
    return QStringLiteral("Het bestand kon niet worden geschreven (%1).").arg(file.errorString());
}

} // namespace

QString pathInFolder(const QString &folderText, QChar separator)
{
    return folderText + separator + QLatin1StringView(ResultFormat::pageFileName);
}

QByteArray bytes(const QString &name, const QString &resultText)
{
    using namespace ResultFormat;
    QByteArray page;
    page << pageHeading << lineEnd;
    page << nameOpen << name << nameClose << lineEnd;
    page << resultText << lineEnd;
    page << linkOpen << AppInfo::makerUrl << linkMiddle << AppInfo::makerHost << linkClose << lineEnd;
    return page;
}

QString write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Where the folder is closed to the user but the page is not, the page
    // is rewritten in place, at the cost of a half-written page if the
    // writing fails midway.
    file.setDirectWriteFallback(true);
    // Unbuffered, so a full disk shows in write() with its reason; commit()
    // would clear it.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return reasonFor(file, path);
    // A short write is retried, so that a full disk reports itself.
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return reasonFor(file, path); // the previous file is left as it was
        done += written;
    }
    if (!file.commit())
        return reasonFor(file, path);
    return {};
}

void save(QWidget *owner, const QString &folderText, const QString &name, const QString &resultText)
{
    const QString path = pathInFolder(folderText);
    const QString failure = write(path, bytes(name, resultText));
    if (!failure.isEmpty()) {
        Messages::show(owner, QStringLiteral("Het resultaat kon niet worden opgeslagen in\n%1\n\n%2").arg(path, failure));
        return;
    }
    // The desktop says nothing when it opened the page; when it found no
    // program for it, the user learns where the saved page is.
    if (!Shell::openFile(owner, pathInFolder(folderText)))
        Messages::show(owner, QStringLiteral("Het resultaat is opgeslagen in\n%1\n\nmaar er is geen programma gevonden "
                                             "om het te openen.").arg(path));
}

} // namespace ResultPage
