#pragma once

class QString;
class QWidget;

// The two ways the result leaves the program.
namespace Output {

// Writes "Kwindel.htm" beside the executable, or in the user's own data folder
// ($XDG_DATA_HOME/kwindel) where the executable's folder may not be written,
// and asks the desktop to open it.
void saveResultPage(QWidget *owner, const QString &name, const QString &resultText);

// Prints the name, the result text and the maker's host name as one job on
// the default printer.
void printResult(QWidget *owner, const QString &name, const QString &resultText);

} // namespace Output
