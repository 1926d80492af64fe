// SPDX-License-Identifier: GPL-3.0-or-later
#include "answerwords.h"

#include <QStringList>

namespace drevant::keytool {

namespace {

// The word a student writes for a strong acid, per language of the program; the forms of
// each gender where the language has them. The English word is what the sheet's header asks.
const QStringList& strongWords() {
    static const QStringList words{
        QStringLiteral("strong"),                            // en
        QStringLiteral("stark"),                             // de
        QStringLiteral("fort"),     QStringLiteral("forte"), // fr, it, pt_BR
        QStringLiteral("fuerte"),                            // es
        QStringLiteral("sterk"),                             // nl
        QStringLiteral("mocny"),    QStringLiteral("mocna"), // pl
        QStringLiteral("kuvvetli"), QStringLiteral("güçlü"), // tr
        QStringLiteral("强"),       QStringLiteral("强酸"),  // zh_CN
        QStringLiteral("قوي"),      QStringLiteral("قوية"),  // ar
    };
    return words;
}

} // namespace

bool isStrongWord(const QString& cell) {
    // Turkish capitals (GÜÇLÜ) fold to the same small letters as the others; NFC keeps a
    // "ü" typed as u + diaeresis equal to the precomposed one.
    const QString word = cell.trimmed().normalized(QString::NormalizationForm_C).toCaseFolded();
    return strongWords().contains(word);
}

} // namespace drevant::keytool
