// SPDX-License-Identifier: GPL-3.0-or-later
// Every catalogue under translations/ is complete and keeps the placeholders of each text,
// and the loader picks the catalogue of the user's languages.
#include "session/languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <set>

namespace drevant {
namespace {

struct Message {
    QString context, source;
    bool numerus = false;
    QString type;      // "" when finished
    QStringList forms; // the translation, or each plural form
};

std::vector<Message> readCatalog(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
    QXmlStreamReader xml(&file);
    std::vector<Message> messages;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            messages.push_back({context, {}, xml.attributes().value("numerus") == u"yes", {}, {}});
        } else if (name == u"source") {
            messages.back().source = xml.readElementText();
        } else if (name == u"translation") {
            messages.back().type = xml.attributes().value("type").toString();
            if (!messages.back().numerus)
                messages.back().forms << xml.readElementText();
        } else if (name == u"numerusform") {
            messages.back().forms << xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << qPrintable(path) << ": " << qPrintable(xml.errorString());
    return messages;
}

std::multiset<QString> placeholders(const QString& text) {
    static const QRegularExpression mark(QStringLiteral("%L?(\\d+|n)"));
    std::multiset<QString> found;
    for (auto it = mark.globalMatch(text); it.hasNext();)
        found.insert(it.next().captured(1));
    return found;
}

qsizetype leadingBlanks(const QString& text) {
    qsizetype n = 0;
    while (n < text.size() && text[n] == u' ')
        ++n;
    return n;
}

QStringList catalogFiles() {
    return QDir(QStringLiteral(DREVANT_TRANSLATIONS_DIR))
        .entryList({QStringLiteral("drevant_*.ts")}, QDir::Files, QDir::Name);
}

TEST(Catalogs, TenLanguagesAndEnglishAreBuiltIn) {
    const QStringList expected{"en", "ar", "de",    "es", "fr",   "it",
                               "nl", "pl", "pt_BR", "tr", "zh_CN"};
    EXPECT_EQ(translatedLanguages(), expected);
    EXPECT_EQ(catalogFiles().size(), expected.size());
}

TEST(Catalogs, EveryEntryIsFinishedAndKeepsItsPlaceholders) {
    const std::vector<Message> english =
        readCatalog(QStringLiteral(DREVANT_TRANSLATIONS_DIR "/drevant_en.ts"));
    std::set<std::pair<QString, QString>> englishKeys;
    for (const Message& m : english)
        englishKeys.insert({m.context, m.source});
    ASSERT_GT(englishKeys.size(), 50u);
    for (const QString& file : catalogFiles()) {
        const std::vector<Message> messages =
            readCatalog(QStringLiteral(DREVANT_TRANSLATIONS_DIR "/") + file);
        std::set<std::pair<QString, QString>> keys;
        for (const Message& m : messages) {
            SCOPED_TRACE(qPrintable(file + u' ' + m.context + u' ' + m.source));
            keys.insert({m.context, m.source});
            EXPECT_EQ(m.type, QString()) << "unfinished, vanished or obsolete";
            ASSERT_FALSE(m.forms.isEmpty());
            std::multiset<QString> wanted = placeholders(m.source);
            if (m.numerus)
                wanted.insert(QStringLiteral("n"));
            for (const QString& form : m.forms) {
                EXPECT_FALSE(form.trimmed().isEmpty());
                // The blanks around a text place it (the panel's zones, the report's indent).
                EXPECT_EQ(leadingBlanks(form), leadingBlanks(m.source)) << qPrintable(form);
                EXPECT_EQ(form.endsWith(u' '), m.source.endsWith(u' ')) << qPrintable(form);
                // %n may stand more than once in a form; each numbered placeholder once.
                std::multiset<QString> got = placeholders(form);
                if (m.numerus && got.count(QStringLiteral("n")) > 1) {
                    got.erase(QStringLiteral("n"));
                    got.insert(QStringLiteral("n"));
                }
                EXPECT_EQ(got, wanted) << qPrintable(form);
            }
        }
        EXPECT_EQ(keys, englishKeys) << qPrintable(file) << " lacks or adds texts";
    }
}

struct LoaderRow {
    const char* locale;
    const char* language; // loaded catalogue
    const char* showData; // the caption "Show Data" reads as
    Qt::LayoutDirection direction;
};

class Loader : public ::testing::TestWithParam<LoaderRow> {};

TEST_P(Loader, FollowsTheUsersLanguages) {
    const LoaderRow& row = GetParam();
    {
        const Translations translations{QLocale(QString::fromLatin1(row.locale))};
        EXPECT_EQ(translations.language(), row.language);
        EXPECT_EQ(QCoreApplication::translate("TitrationBench", "Show Data"),
                  QString::fromUtf8(row.showData));
        EXPECT_EQ(QGuiApplication::layoutDirection(), row.direction);
    }
    EXPECT_EQ(QCoreApplication::translate("TitrationBench", "Show Data"), "Show Data");
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, Loader,
    ::testing::Values(LoaderRow{"en_US", "en", "Show Data", Qt::LeftToRight},
                      LoaderRow{"C", "en", "Show Data", Qt::LeftToRight},
                      LoaderRow{"ja_JP", "en", "Show Data", Qt::LeftToRight},
                      LoaderRow{"en_GB", "en", "Show Data", Qt::LeftToRight},
                      LoaderRow{"de_AT", "de", "Daten anzeigen", Qt::LeftToRight},
                      LoaderRow{"pt_BR", "pt_BR", "Mostrar dados", Qt::LeftToRight},
                      LoaderRow{"pt_PT", "en", "Show Data", Qt::LeftToRight},
                      LoaderRow{"zh_CN", "zh_CN", "显示数据", Qt::LeftToRight},
                      LoaderRow{"ar_EG", "ar", "عرض البيانات", Qt::RightToLeft}));

} // namespace
} // namespace drevant
