// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

namespace tarnivo::tk {

// The language the program speaks: chosen at start from the user's locale settings, with
// Qt's own translations (file dialog, message-box buttons) in the same language.
class Languages {
public:
    // The languages the user asks for, most wanted first: those of LANGUAGE, then the one of
    // LC_ALL, LC_MESSAGES or LANG, whichever is set first. As with every other program of
    // the desktop, LANGUAGE counts only when the messages locale is not C or POSIX.
    static QStringList wanted();
    // The first wanted language the program speaks ("de", "pt_BR"), or "" for English, the
    // program's own. English stops the search: a user who lists it prefers it to what follows.
    static QString chosen();
    // Loads the program's and Qt's translations into `language` ("" for English). They take
    // effect in the application once it exists, and at once in one that does.
    static void use(const QString& language);
    // Puts the loaded translations into the application, once it exists.
    static void install();
    // A text of the program in the loaded language, even before the application exists.
    static QString text(const char* context, const char* source);
};

}  // namespace tarnivo::tk
