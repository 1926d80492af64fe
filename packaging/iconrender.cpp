// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the application icon at the sizes given, for the desktop entry:
//   drevant-iconrender OUTDIR 48 64 ...  ->  OUTDIR/48x48/apps/drevant.png ...
// or, for the Windows program's resources, one icon file holding every size:
//   drevant-iconrender --ico FILE.ico 16 32 48 256
// The icon is painted in code (the burette over a beaker), so it is drawn at build time
// rather than kept as binary files in the repository.
#include "ui/burettepictures.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>
#include <vector>

namespace {

void appendLittleEndian(QByteArray& out, quint32 value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// An .ico file whose images are PNGs (as Windows takes them since Vista): a six-byte header,
// a sixteen-byte entry per image, then the images.
QByteArray icoFile(const std::vector<QByteArray>& pngs, const std::vector<int>& sizes) {
    QByteArray out;
    appendLittleEndian(out, 0, 2);
    appendLittleEndian(out, 1, 2); // an icon
    appendLittleEndian(out, static_cast<quint32>(pngs.size()), 2);
    quint32 offset = 6 + 16 * static_cast<quint32>(pngs.size());
    for (std::size_t i = 0; i < pngs.size(); ++i) {
        const quint32 side = sizes[i] >= 256 ? 0 : static_cast<quint32>(sizes[i]); // 0 is 256
        appendLittleEndian(out, side, 1);
        appendLittleEndian(out, side, 1);
        appendLittleEndian(out, 0, 2);  // no palette, reserved
        appendLittleEndian(out, 1, 2);  // colour planes
        appendLittleEndian(out, 32, 2); // bits per pixel
        appendLittleEndian(out, static_cast<quint32>(pngs[i].size()), 4);
        appendLittleEndian(out, offset, 4);
        offset += static_cast<quint32>(pngs[i].size());
    }
    for (const QByteArray& png : pngs)
        out += png;
    return out;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen"); // runs in the build, without a display
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTDIR SIZE...\n", argv[0]);
        return 2;
    }
    const bool ico = QByteArrayView(argv[1]) == "--ico";
    if (ico && argc < 4) {
        std::fprintf(stderr, "usage: %s --ico FILE SIZE...\n", argv[0]);
        return 2;
    }
    const QDir out(ico ? QString() : QFile::decodeName(argv[1]));
    std::vector<QByteArray> pngs;
    std::vector<int> sizes;
    for (int i = ico ? 3 : 2; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLatin1(argv[i]).toInt(&ok);
        if (!ok || size <= 0 || size > 1024) {
            std::fprintf(stderr, "%s: bad icon size \"%s\"\n", argv[0], argv[i]);
            return 2;
        }
        if (ico) {
            QBuffer png;
            png.open(QIODevice::WriteOnly);
            drevant::applicationIconImage(size).save(&png, "PNG");
            pngs.push_back(png.data());
            sizes.push_back(size);
            continue;
        }
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString file = out.filePath(folder + QStringLiteral("/drevant.png"));
        if (!out.mkpath(folder) || !drevant::applicationIconImage(size).save(file, "PNG")) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(file));
            return 1;
        }
    }
    if (ico) {
        QSaveFile file(QFile::decodeName(argv[2]));
        if (!file.open(QIODevice::WriteOnly) || file.write(icoFile(pngs, sizes)) < 0 ||
            !file.commit()) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
            return 1;
        }
    }
    return 0;
}
