// SPDX-License-Identifier: MIT
#include "app/toolkit/languages.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>
#include <memory>

namespace tarnivo::tk {

namespace {

const QString Catalogues = QStringLiteral(":/i18n");

struct Loaded {
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> toolkit;
    bool installed = false;
};

Loaded& loaded() {
    static Loaded instance;
    return instance;
}

QString variable(const char* name) { return QString::fromLocal8Bit(qgetenv(name)); }

// "pt_BR.UTF-8@euro" and "pt-BR" both name "pt_BR".
QString languageOf(QString locale) {
    const qsizetype end = locale.indexOf(QRegularExpression(QStringLiteral("[.@]")));
    if (end >= 0) locale.truncate(end);
    return locale.replace(QLatin1Char('-'), QLatin1Char('_'));
}

bool isEnglish(const QString& language) {
    return language == QLatin1String("en") || language.startsWith(QLatin1String("en_"));
}

// The catalogue for the language, or for the language without its region ("de" for "de_AT").
QString catalogueFor(const QString& language) {
    for (const QString& name : {language, language.section(QLatin1Char('_'), 0, 0)}) {
        if (!name.isEmpty() && QFile::exists(Catalogues + QStringLiteral("/tarnivo_") + name + QStringLiteral(".qm")))
            return name;
    }
    return {};
}

void uninstall(Loaded& state) {
    if (!state.installed || QCoreApplication::instance() == nullptr) return;
    for (const auto& translator : {state.program.get(), state.toolkit.get()}) {
        if (translator != nullptr) QCoreApplication::removeTranslator(translator);
    }
    state.installed = false;
}

}  // namespace

QStringList Languages::wanted() {
    QString messages = variable("LC_ALL");
    if (messages.isEmpty()) messages = variable("LC_MESSAGES");
    if (messages.isEmpty()) messages = variable("LANG");
    messages = languageOf(messages);
    if (messages.isEmpty() || messages == QLatin1String("C") || messages == QLatin1String("POSIX")) return {};
    QStringList languages;
    for (const QString& entry : variable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        languages << languageOf(entry);
    languages << messages;
    return languages;
}

QString Languages::chosen() {
    for (const QString& language : wanted()) {
        if (isEnglish(language)) return {};
        const QString catalogue = catalogueFor(language);
        if (!catalogue.isEmpty()) return catalogue;
    }
    return {};
}

void Languages::use(const QString& language) {
    Loaded& state = loaded();
    uninstall(state);
    state.program.reset();
    state.toolkit.reset();
    if (language.isEmpty()) return;
    state.program = std::make_unique<QTranslator>();
    if (!state.program->load(QStringLiteral("tarnivo_") + language, Catalogues)) state.program.reset();
    // Debian ships Qt's own catalogues in a separate package; without it, Qt's few texts stay English.
    state.toolkit = std::make_unique<QTranslator>();
    if (!state.toolkit->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        state.toolkit.reset();
    install();
}

void Languages::install() {
    Loaded& state = loaded();
    if (state.installed || QCoreApplication::instance() == nullptr) return;
    for (const auto& translator : {state.toolkit.get(), state.program.get()}) {
        if (translator != nullptr) QCoreApplication::installTranslator(translator);
    }
    state.installed = true;
}

QString Languages::text(const char* context, const char* source) {
    const QTranslator* program = loaded().program.get();
    const QString found = program != nullptr ? program->translate(context, source) : QString();
    return found.isEmpty() ? QString::fromUtf8(source) : found;
}

}  // namespace tarnivo::tk
