#include "output.h"

#include "appidentity.h"
#include "messages.h"
#include "printingmodule.h"
#include "resultpage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace Output {

namespace {

// The program's own folder, unless this user may not write there (a system
// install: /usr/bin). The page then goes to a folder of the user's own, as
// Windows redirects old programs' writes under Program Files to the user's.
QString pageFolder()
{
    const QString program = QCoreApplication::applicationDirPath();
    // Tried rather than read from the permission bits, which read-only disks
    // and access lists overrule. A page that may be written is rewritten in place.
    QTemporaryFile probe(program + QStringLiteral("/.kwindel-XXXXXX"));
    if (probe.open() || QFileInfo(ResultPage::pathInFolder(program, u'/')).isWritable())
        return program;
    const QString own = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/kwindel");
    QDir().mkpath(own); // if this fails, the save says why
    return own;
}

} // namespace

void saveResultPage(QWidget *owner, const QString &name, const QString &resultText)
{
    ResultPage::save(owner, QDir::toNativeSeparators(pageFolder()), name, resultText);
}

void printResult(QWidget *owner, const QString &name, const QString &resultText)
{
    const QString failure = printingModule().printResult(name, resultText, applicationTitle());
    if (!failure.isEmpty())
        Messages::show(owner, failure);
}

} // namespace Output
