#include "output.h"

#include "appidentity.h"
#include "messages.h"
#include "printingmodule.h"
#include "resultpage.h"

#include <QCoreApplication>
#include <QDir>

namespace Output {

void saveResultPage(QWidget *owner, const QString &name, const QString &resultText)
{
    ResultPage::save(owner, QDir::toNativeSeparators(QCoreApplication::applicationDirPath()), name, resultText);
}

void printResult(QWidget *owner, const QString &name, const QString &resultText)
{
    const QString failure = printingModule().printResult(name, resultText, applicationTitle());
    if (!failure.isEmpty())
        Messages::show(owner, failure);
}

} // namespace Output
