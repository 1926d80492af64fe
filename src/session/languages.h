// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QTranslator;

namespace drevant {

// The program's translations and Qt's own, installed for a locale (the user's interface
// languages by default: LANGUAGE/LANG on Linux, the display language on Windows) for as long
// as the object lives. English, or a language without a catalogue, keeps every text as
// written. Needs the application object.
class Translations {
public:
    explicit Translations(const QLocale& locale = QLocale::system());
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The language of the catalogue in use ("de", "pt_BR"…), "en" when the texts are as written.
    QString language() const { return m_language; }

private:
    bool install(const QLocale& locale, const QString& name, const QString& folder);

    std::vector<std::unique_ptr<QTranslator>> m_translators;
    QString m_language = QStringLiteral("en");
};

// The languages with a catalogue, as Qt names them ("de", "pt_BR", "zh_CN"…), English first.
QStringList translatedLanguages();

} // namespace drevant
