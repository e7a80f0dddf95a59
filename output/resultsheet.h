#pragma once

class QString;
class TwipsPrinter;

// The printed result: the name, the result text line by line at the left
// edge, and the maker's host name in capitals, as one document.
namespace ResultSheet {

// Stops at the first failing step; returns whether the document was ended.
bool print(TwipsPrinter &printer, const QString &name, const QString &resultText);

} // namespace ResultSheet
