// Builds the Debian package with CPack from this build tree, unpacks it into a temporary
// root with dpkg-deb and checks that everything a user needs is where Debian expects it.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace {

struct Result {
    bool ok = false;
    QByteArray out;
};

Result run(const QString& program, const QStringList& args, int timeoutMs = 300000) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    Result r;
    if (!p.waitForStarted(30000))
        return r;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        r.out = "timed out";
        return r;
    }
    r.out = p.readAll();
    r.ok = p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    return r;
}

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Width and height from a PNG's IHDR chunk (big-endian at bytes 16 and 20), or -1.
std::pair<int, int> pngSize(const QByteArray& png) {
    if (png.size() < 24 || !png.startsWith("\x89PNG\r\n\x1a\n") || png.mid(12, 4) != "IHDR")
        return {-1, -1};
    auto be32 = [&](int at) {
        return (static_cast<unsigned char>(png[at]) << 24) |
               (static_cast<unsigned char>(png[at + 1]) << 16) |
               (static_cast<unsigned char>(png[at + 2]) << 8) |
               static_cast<unsigned char>(png[at + 3]);
    };
    return {be32(16), be32(20)};
}

TEST(DebianPackage, InstallsProgramToolDesktopEntryIconsAndManPage) {
    const QString dpkgDeb = QStandardPaths::findExecutable(QStringLiteral("dpkg-deb"));
    if (dpkgDeb.isEmpty())
        GTEST_SKIP() << "dpkg-deb is not installed";
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());

    const Result cpack = run(QStringLiteral(DREVANT_CPACK),
                             {QStringLiteral("-G"), QStringLiteral("DEB"),
                              QStringLiteral("--config"), QStringLiteral(DREVANT_CPACK_CONFIG),
                              QStringLiteral("-B"), tmp.filePath(QStringLiteral("out"))});
    ASSERT_TRUE(cpack.ok) << cpack.out.toStdString();
    const QStringList debs =
        QDir(tmp.filePath(QStringLiteral("out"))).entryList({QStringLiteral("*.deb")}, QDir::Files);
    ASSERT_EQ(debs.size(), 1) << debs.join(u' ').toStdString();
    const QString deb = tmp.filePath(QStringLiteral("out/") + debs.front());
    EXPECT_TRUE(debs.front().startsWith(QLatin1String("drevant_"))) << debs.front().toStdString();

    const QString root = tmp.filePath(QStringLiteral("root"));
    const Result extract = run(dpkgDeb, {QStringLiteral("-x"), deb, root});
    ASSERT_TRUE(extract.ok) << extract.out.toStdString();

    for (const char* program : {"usr/bin/drevant", "usr/bin/drevant-key"}) {
        const QFileInfo info(root + u'/' + QLatin1String(program));
        EXPECT_TRUE(info.isFile()) << program;
        EXPECT_TRUE(info.isExecutable()) << program;
    }

    const QByteArray desktop =
        bytesOf(root + QStringLiteral("/usr/share/applications/drevant.desktop"));
    ASSERT_FALSE(desktop.isEmpty()) << "no desktop entry";
    for (const char* line :
         {"[Desktop Entry]", "\nType=Application\n", "\nName=Drevant\n", "\nExec=drevant\n",
          "\nIcon=drevant\n", "\nCategories=Education;Chemistry;\n"})
        EXPECT_TRUE(desktop.contains(line)) << line;

    for (int size : {48, 64, 128, 256}) {
        const QString icon =
            root + QStringLiteral("/usr/share/icons/hicolor/%1x%1/apps/drevant.png").arg(size);
        const QByteArray png = bytesOf(icon);
        EXPECT_EQ(pngSize(png), std::make_pair(size, size)) << icon.toStdString();
    }

    const QString man = root + QStringLiteral("/usr/share/man/man1/drevant-key.1.gz");
    ASSERT_TRUE(QFileInfo::exists(man)) << "no man page";
    EXPECT_TRUE(bytesOf(man).startsWith("\x1f\x8b")); // gzip, as Debian wants man pages
    if (const QString gzip = QStandardPaths::findExecutable(QStringLiteral("gzip"));
        !gzip.isEmpty()) {
        const Result page = run(gzip, {QStringLiteral("-dc"), man});
        ASSERT_TRUE(page.ok);
        EXPECT_TRUE(page.out.contains(".TH DREVANT-KEY 1")) << page.out.left(200).toStdString();
        EXPECT_TRUE(page.out.contains("EXIT STATUS"));
    }

    const Result fields = run(dpkgDeb, {QStringLiteral("-f"), deb, QStringLiteral("Package"),
                                        QStringLiteral("Depends"), QStringLiteral("Section")});
    ASSERT_TRUE(fields.ok) << fields.out.toStdString();
    EXPECT_TRUE(fields.out.contains("Package: drevant\n")) << fields.out.toStdString();
    EXPECT_TRUE(fields.out.contains("libqt6widgets6")) << fields.out.toStdString();
    EXPECT_TRUE(fields.out.contains("libqt6gui6")) << fields.out.toStdString();

    // The packaged tool runs against the system's Qt.
    const Result version =
        run(root + QStringLiteral("/usr/bin/drevant-key"), {QStringLiteral("--version")});
    EXPECT_TRUE(version.ok) << version.out.toStdString();
    EXPECT_TRUE(version.out.startsWith("drevant-key ")) << version.out.toStdString();
}

} // namespace
