#pragma once
// Qt's own texts (standard dialogs, buttons, context menus) in German, like the
// rest of the program, whatever the desktop's language.
class QTranslator;

// Loads Qt's German catalogue and installs it into the application, which owns
// it; nullptr when the catalogue is not installed (the texts stay English).
QTranslator *installGermanQtTexts();
