// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the two Debian packages with CPack from this build tree once (the student's drevant,
// the teacher's drevant-key), unpacks each into a temporary root of its own with dpkg-deb, and
// checks them as a distribution would: every file where Debian expects it and in the package
// it belongs to, the control fields, lintian, the AppStream validator and the desktop entry
// validator.
#include "packagetools.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace drevant::packagetest {
namespace {

const QString AppId = QStringLiteral("io.github.drevant.Drevant");

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

// Lines of a tool's output that report an error or a warning ("E: " / "W: " in lintian's
// and appstreamcli's formats).
QStringList problemLines(const QByteArray& out) {
    QStringList problems;
    static const QRegularExpression problem(QStringLiteral("^(E|W): "));
    for (const QString& line : QString::fromUtf8(out).split(u'\n'))
        if (problem.match(line).hasMatch())
            problems << line;
    return problems;
}

class DebianPackage : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_tmp = std::make_unique<QTemporaryDir>();
        s_failure.clear();
        const QString dpkgDeb = tool("dpkg-deb");
        if (dpkgDeb.isEmpty() || !s_tmp->isValid()) {
            s_failure = "dpkg-deb or a temporary folder is missing (bash tools/setup.sh installs "
                        "dpkg-dev)";
            return;
        }
        const QString out = s_tmp->filePath(QStringLiteral("out"));
        const Result cpack =
            run(QStringLiteral(DREVANT_CPACK),
                {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                 QStringLiteral(DREVANT_CPACK_CONFIG), QStringLiteral("-B"), out});
        if (!succeeded(cpack)) {
            s_failure = "cpack failed: " + cpack.out.toStdString();
            return;
        }
        const QStringList debs = QDir(out).entryList({QStringLiteral("*.deb")}, QDir::Files);
        const QStringList student = debs.filter(QRegularExpression(QStringLiteral("^drevant_")));
        const QStringList teacher =
            debs.filter(QRegularExpression(QStringLiteral("^drevant-key_")));
        if (debs.size() != 2 || student.size() != 1 || teacher.size() != 1) {
            s_failure = "expected drevant_*.deb and drevant-key_*.deb, got: " +
                        debs.join(u' ').toStdString();
            return;
        }
        s_deb = out + u'/' + student.front();
        s_keyDeb = out + u'/' + teacher.front();
        s_root = s_tmp->filePath(QStringLiteral("drevant"));
        s_keyRoot = s_tmp->filePath(QStringLiteral("drevant-key"));
        for (const auto& [deb, root] : {std::pair{s_deb, s_root}, std::pair{s_keyDeb, s_keyRoot}}) {
            const Result extract = run(dpkgDeb, {QStringLiteral("-x"), deb, root});
            if (!succeeded(extract))
                s_failure = "dpkg-deb -x failed: " + extract.out.toStdString();
        }
    }

    static void TearDownTestSuite() { s_tmp.reset(); }

    void SetUp() override {
        if (!s_failure.empty())
            FAIL() << s_failure;
    }

    static QString installed(const QString& path) { return s_root + u'/' + path; }
    static QString installedByTeacher(const QString& path) { return s_keyRoot + u'/' + path; }

    // The named tool, or a failure naming the set-up script that installs it.
    static QString requireTool(const char* name) {
        const QString path = tool(name);
        if (path.isEmpty())
            ADD_FAILURE() << name << " is not installed; bash tools/setup.sh installs it";
        return path;
    }

    static inline std::unique_ptr<QTemporaryDir> s_tmp;
    static inline std::string s_failure;
    static inline QString s_deb; // the student's package
    static inline QString s_root;
    static inline QString s_keyDeb; // the teacher's package
    static inline QString s_keyRoot;
};

// One file of the package and what must be true of it.
struct Expected {
    const char* package; // "drevant" or "drevant-key"
    const char* path;
    enum Kind { Program, Png, Text, Gzip } kind;
    int pngSide = 0;                  // Png: width and height
    std::vector<const char*> texts{}; // Text, Gzip: each must occur (unpacked)
};

const Expected Contents[] = {
    {"drevant", "usr/bin/drevant", Expected::Program},
    {"drevant-key", "usr/bin/drevant-key", Expected::Program},
    {"drevant",
     "usr/share/applications/io.github.drevant.Drevant.desktop",
     Expected::Text,
     0,
     {"[Desktop Entry]", "\nType=Application\n", "\nName=Drevant\n", "\nExec=drevant\n",
      "\nIcon=drevant\n", "\nCategories=Education;Chemistry;\n"}},
    {"drevant",
     "usr/share/metainfo/io.github.drevant.Drevant.metainfo.xml",
     Expected::Text,
     0,
     {"<id>io.github.drevant.Drevant</id>", "<project_license>GPL-3.0-or-later</project_license>",
      "<launchable type=\"desktop-id\">io.github.drevant.Drevant.desktop</launchable>",
      "<category>Education</category>", "<category>Chemistry</category>",
      "<content_rating type=\"oars-1.1\"", "<release version=\"" DREVANT_VERSION "\"",
      "<screenshot type=\"default\">"}},
    {"drevant", "usr/share/icons/hicolor/48x48/apps/drevant.png", Expected::Png, 48},
    {"drevant", "usr/share/icons/hicolor/64x64/apps/drevant.png", Expected::Png, 64},
    {"drevant", "usr/share/icons/hicolor/128x128/apps/drevant.png", Expected::Png, 128},
    {"drevant", "usr/share/icons/hicolor/256x256/apps/drevant.png", Expected::Png, 256},
    {"drevant",
     "usr/share/man/man1/drevant.1.gz",
     Expected::Gzip,
     0,
     {".TH DREVANT 1", ".SH WINDOWS", ".SH KEYS", ".SH \"EXPORT FILE\"", ".SH FILES",
      ".BR drevant\\-key (1)"}},
    {"drevant-key",
     "usr/share/man/man1/drevant-key.1.gz",
     Expected::Gzip,
     0,
     {".TH DREVANT-KEY 1", "EXIT STATUS"}},
    {"drevant",
     "usr/share/doc/drevant/changelog.gz",
     Expected::Gzip,
     0,
     {"drevant (" DREVANT_VERSION ") "}},
    {"drevant",
     "usr/share/doc/drevant/copyright",
     Expected::Text,
     0,
     {"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n",
      "\nLicense: GPL-3+\n", "/usr/share/common-licenses/GPL-3"}},
    {"drevant-key",
     "usr/share/doc/drevant-key/changelog.gz",
     Expected::Gzip,
     0,
     {"drevant (" DREVANT_VERSION ") "}},
    {"drevant-key",
     "usr/share/doc/drevant-key/copyright",
     Expected::Text,
     0,
     {"\nLicense: GPL-3+\n"}},
    {"drevant-key",
     "usr/share/doc/drevant-key/teacher-guide.md.gz",
     Expected::Gzip,
     0,
     {"drevant-key"}},
};

void PrintTo(const Expected& e, std::ostream* os) {
    *os << e.package << ": " << e.path;
}

class PackageFile : public DebianPackage, public ::testing::WithParamInterface<Expected> {};

TEST_P(PackageFile, IsInstalledWhereDebianExpectsIt) {
    const Expected& e = GetParam();
    const bool student = QByteArray(e.package) == "drevant";
    const QString path = (student ? installed : installedByTeacher)(QString::fromLatin1(e.path));
    const QFileInfo info(path);
    ASSERT_TRUE(info.isFile()) << e.path << " is not in the package " << e.package;
    // Each file is in its own package only: the key never reaches the students' machines.
    EXPECT_FALSE(
        QFileInfo::exists((student ? installedByTeacher : installed)(QString::fromLatin1(e.path))))
        << e.path << " is in both packages";
    EXPECT_TRUE(info.isExecutable() == (e.kind == Expected::Program)) << e.path;
    QByteArray text = bytesOf(path);
    switch (e.kind) {
    case Expected::Program:
        break;
    case Expected::Png:
        EXPECT_EQ(pngSize(text), std::make_pair(e.pngSide, e.pngSide)) << e.path;
        break;
    case Expected::Gzip: {
        // Compressed with -n: no name and no time stamp in the header (reproducible).
        ASSERT_TRUE(text.startsWith("\x1f\x8b")) << e.path << " is not compressed";
        EXPECT_EQ(text.mid(4, 4), QByteArray(4, '\0')) << e.path << " has a time stamp";
        EXPECT_EQ(text[3] & 0x08, 0) << e.path << " carries a file name";
        const QString gzip = requireTool("gzip");
        ASSERT_FALSE(gzip.isEmpty());
        const Result unpacked = run(gzip, {QStringLiteral("-dc"), path});
        ASSERT_TRUE(succeeded(unpacked)) << unpacked.out.toStdString();
        text = unpacked.out;
        [[fallthrough]];
    }
    case Expected::Text:
        for (const char* wanted : e.texts)
            EXPECT_TRUE(text.contains(wanted)) << e.path << " lacks: " << wanted;
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(DebianPackageContents, PackageFile, ::testing::ValuesIn(Contents),
                         [](const ::testing::TestParamInfo<Expected>& info) {
                             return QString::fromLatin1(info.param.path)
                                 .replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")),
                                          QStringLiteral("_"))
                                 .toStdString();
                         });

struct Control {
    const char* package;
    std::vector<const char*> libraries; // in Depends
};

class ControlFields : public DebianPackage, public ::testing::WithParamInterface<Control> {};

TEST_P(ControlFields, DependOnQtAndWrapTheDescription) {
    const Control& c = GetParam();
    const QString deb = QByteArray(c.package) == "drevant" ? s_deb : s_keyDeb;
    const Result fields = run(tool("dpkg-deb"), {QStringLiteral("-f"), deb});
    ASSERT_TRUE(succeeded(fields)) << fields.out.toStdString();
    const QString control = QString::fromUtf8(fields.out);
    const QByteArray package = "Package: " + QByteArray(c.package) + "\n";
    for (const char* line :
         {package.constData(), "Version: " DREVANT_VERSION "\n", "Section: education\n",
          "Homepage: https://github.com/drevant/drevant\n"})
        EXPECT_TRUE(control.contains(QLatin1String(line))) << line << control.toStdString();
    // Found by dpkg-shlibdeps from the binaries, so the Qt libraries and the C library appear.
    // Neither package depends on the other.
    const QString depends = control.section(QStringLiteral("Depends: "), 1).section(u'\n', 0, 0);
    for (const char* library : c.libraries)
        EXPECT_TRUE(depends.contains(QLatin1String(library)))
            << library << ": " << depends.toStdString();
    EXPECT_FALSE(depends.contains(QRegularExpression(QStringLiteral("\\bdrevant"))))
        << depends.toStdString();

    // A short synopsis, then the extended description: every line indented, none too long
    // for a terminal, paragraphs separated by " .".
    const Result described =
        run(tool("dpkg-deb"), {QStringLiteral("-f"), deb, QStringLiteral("Description")});
    ASSERT_TRUE(succeeded(described)) << described.out.toStdString();
    const QStringList description =
        QString::fromUtf8(described.out).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GE(description.size(), 3) << control.toStdString();
    EXPECT_LE(description.front().size(), 80 - int(sizeof("Description: ")))
        << description.front().toStdString();
    for (qsizetype i = 1; i < description.size(); ++i) {
        EXPECT_TRUE(description[i].startsWith(u' ')) << description[i].toStdString();
        EXPECT_LE(description[i].size(), 80) << description[i].toStdString();
    }
    EXPECT_TRUE(description.contains(QStringLiteral(" ."))) << "one paragraph only";
}

INSTANTIATE_TEST_SUITE_P(
    DebianPackages, ControlFields,
    ::testing::Values(Control{"drevant", {"libqt6widgets6", "libqt6gui6", "libqt6core6", "libc6"}},
                      Control{"drevant-key", {"libqt6gui6", "libqt6core6", "libc6"}}),
    [](const auto& info) {
        return QString::fromLatin1(info.param.package).remove(u'-').toStdString();
    });

TEST_F(DebianPackage, PassesLintianWithoutErrorsOrWarnings) {
    const QString lintian = requireTool("lintian");
    ASSERT_FALSE(lintian.isEmpty());
    // Overrides stay active (a check that cannot apply carries one with its reason); the
    // informational tags are listed for the log but do not fail the test.
    const Result r =
        run(lintian,
            {QStringLiteral("--info"), QStringLiteral("--display-info"),
             QStringLiteral("--fail-on"), QStringLiteral("error,warning"), s_deb, s_keyDeb},
            600000);
    ASSERT_TRUE(r.finished) << r.out.toStdString();
    EXPECT_EQ(problemLines(r.out), QStringList()) << r.out.toStdString();
    EXPECT_EQ(r.exitCode, 0) << r.out.toStdString();
}

TEST_F(DebianPackage, MetainfoAndDesktopEntryValidateWithoutWarnings) {
    const QString appstream = requireTool("appstreamcli");
    const QString desktopValidate = requireTool("desktop-file-validate");
    ASSERT_FALSE(appstream.isEmpty());
    ASSERT_FALSE(desktopValidate.isEmpty());

    const QString metainfo =
        installed(QStringLiteral("usr/share/metainfo/%1.metainfo.xml").arg(AppId));
    const Result alone =
        run(appstream, {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfo});
    EXPECT_TRUE(succeeded(alone)) << alone.out.toStdString();
    EXPECT_EQ(problemLines(alone.out), QStringList()) << alone.out.toStdString();

    // The installed tree as a software centre sees it: the metainfo with its desktop entry.
    const Result tree =
        run(appstream, {QStringLiteral("validate-tree"), QStringLiteral("--no-net"), s_root});
    EXPECT_TRUE(succeeded(tree)) << tree.out.toStdString();
    EXPECT_EQ(problemLines(tree.out), QStringList()) << tree.out.toStdString();

    const QString desktop =
        installed(QStringLiteral("usr/share/applications/%1.desktop").arg(AppId));
    const Result entry = run(desktopValidate, {desktop});
    EXPECT_TRUE(succeeded(entry)) << entry.out.toStdString();
    EXPECT_TRUE(entry.out.trimmed().isEmpty()) << entry.out.toStdString(); // no hint, no warning
}

TEST_F(DebianPackage, PackagedToolRunsAgainstTheSystemQt) {
    const Result version = run(installedByTeacher(QStringLiteral("usr/bin/drevant-key")),
                               {QStringLiteral("--version")});
    EXPECT_TRUE(succeeded(version)) << version.out.toStdString();
    EXPECT_TRUE(version.out.startsWith("drevant-key ")) << version.out.toStdString();
}

} // namespace
} // namespace drevant::packagetest
