#pragma once

#include <QString>
#include <QtGlobal>

// Printing is a module of its own, loaded on the first print: linked into
// the program, Qt Print Support and CUPS would cost every start time and
// memory, also for users who never print.
struct PrintingModule {
    // Prints the sheet as one job on the default printer, the document
    // named `title`. Returns what went wrong, in Dutch for the user, or
    // nothing when the job was handed over.
    QString (*printResult)(const QString &name, const QString &resultText, const QString &title);
    // The default printer's name; empty when there is none.
    QString (*defaultPrinterName)();
};

// The module's one entry point.
extern "C" Q_DECL_EXPORT const PrintingModule *kwindelPrintingModule();

// The module, loaded by the first call.
const PrintingModule &printingModule();
