#pragma once

class QCoreApplication;

// Qt's own texts (a text box's context menu, standard dialogs) in Dutch,
// like the rest of the program. Where Qt's translations are not installed
// those few texts stay English.
void loadQtTranslations(QCoreApplication &app);
