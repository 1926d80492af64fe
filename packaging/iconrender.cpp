// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the application icon at the sizes given, for the desktop entry:
//   drevant-iconrender OUTDIR 48 64 ...  ->  OUTDIR/48x48/apps/drevant.png ...
// The icon is painted in code (the burette over a beaker), so it is drawn at build time
// rather than kept as binary files in the repository.
#include "ui/burettepictures.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen"); // runs in the build, without a display
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTDIR SIZE...\n", argv[0]);
        return 2;
    }
    const QDir out(QFile::decodeName(argv[1]));
    for (int i = 2; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLatin1(argv[i]).toInt(&ok);
        if (!ok || size <= 0 || size > 1024) {
            std::fprintf(stderr, "%s: bad icon size \"%s\"\n", argv[0], argv[i]);
            return 2;
        }
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString file = out.filePath(folder + QStringLiteral("/drevant.png"));
        if (!out.mkpath(folder) || !drevant::applicationIconImage(size).save(file, "PNG")) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(file));
            return 1;
        }
    }
    return 0;
}
