#pragma once
// Qt's own dialogs and standard buttons (file, colour and folder dialogs) speak the
// window's language, Japanese, whatever the system's language is.

class QCoreApplication;
class QTranslator;

namespace zorvane {

// Loads Qt's Japanese translation from Qt's translation folder into app and returns it
// (owned by app); null when it is not installed, and the dialogs stay in Qt's English.
QTranslator* InstallQtTranslation(QCoreApplication& app);

}  // namespace zorvane
