// SPDX-License-Identifier: GPL-3.0-or-later
#include "languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace drevant {

namespace {

const QString CatalogFolder = QStringLiteral(":/i18n");

// Qt reads the layout direction from this entry of the loaded catalogues: "RTL" in Arabic
// mirrors every window, "LTR" elsewhere.
[[maybe_unused]] const char* const LayoutDirection =
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

} // namespace

Translations::Translations(const QLocale& locale) {
    // Tries each of the user's languages in order ("pt-BR" as "pt_BR", then "pt"); the English
    // catalogue (the texts as written) ends the search where English comes first.
    if (install(locale, QStringLiteral("drevant"), CatalogFolder)) {
        m_language = m_translators.back()->language();
        // Qt's own texts (standard buttons, context menus) where the system has them.
        install(locale, QStringLiteral("qtbase"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    // Widgets made from now on read the new layout direction at once.
    QCoreApplication::sendPostedEvents(QCoreApplication::instance(), QEvent::LanguageChange);
}

Translations::~Translations() {
    for (const auto& translator : m_translators)
        QCoreApplication::removeTranslator(translator.get());
    QCoreApplication::sendPostedEvents(QCoreApplication::instance(), QEvent::LanguageChange);
}

bool Translations::install(const QLocale& locale, const QString& name, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, name, QStringLiteral("_"), folder) ||
        translator->language() == QLatin1String("en") ||
        !QCoreApplication::installTranslator(translator.get()))
        return false;
    m_translators.push_back(std::move(translator));
    return true;
}

QStringList translatedLanguages() {
    QStringList languages;
    const QStringList files =
        QDir(CatalogFolder).entryList({QStringLiteral("drevant_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        languages << file.mid(8, file.size() - 11);
    languages.removeAll(QStringLiteral("en"));
    languages.prepend(QStringLiteral("en"));
    return languages;
}

} // namespace drevant
