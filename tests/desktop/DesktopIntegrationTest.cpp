// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop integration as a user's system sees it: the entry, the metainfo and the file type pass
// the freedesktop validators, the file type recognises projects by name and by content, the install
// tree runs from anywhere, and the Debian package carries everything with computed dependencies.
#include "TempFolder.h"

#include <QFile>
#include <QMimeDatabase>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace korvisel {
namespace {

using test::TempFolder;

const std::string Data = std::string(KORVISEL_SOURCE_DIR) + "/resources/";
const std::string Build = KORVISEL_BINARY_DIR;

struct Output {
    int Status = -1;
    std::string Text; // standard output and error together
};

Output Shell(const std::string& command) {
    Output out;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return out;
    std::array<char, 4096> buffer{};
    for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        out.Text.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    out.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return out;
}

std::string Quoted(const std::string& path) {
    return "'" + path + "'";
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(Desktop, TheEntryPassesTheValidatorAndOpensProjects) {
    const std::string entry = Data + "org.korvisel.Korvisel.desktop";
    const Output validated = Shell("desktop-file-validate " + Quoted(entry));
    EXPECT_EQ(validated.Status, 0) << validated.Text;
    EXPECT_EQ(validated.Text, "") << "not even a hint";
    const std::string text = ReadText(entry);
    for (const char* line : {"Exec=korvisel %f\n", "MimeType=application/x-korvisel-project;\n",
                             "Icon=org.korvisel.Korvisel\n", "Categories=Utility;"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
}

// Pedantic and with the network: no placeholder address for the validator to fail on (the build names
// no published pages unless told where they are).
TEST(Desktop, TheMetainfoPassesTheValidatorAndNamesThisVersion) {
    const std::string metainfo = Build + "/metainfo/org.korvisel.Korvisel.metainfo.xml";
    const Output validated = Shell("appstreamcli validate --pedantic " + Quoted(metainfo));
    EXPECT_EQ(validated.Status, 0) << validated.Text;
    EXPECT_EQ(ReadText(metainfo).find(".invalid"), std::string::npos);
    EXPECT_NE(ReadText(metainfo).find("<release version=\"" KORVISEL_VERSION "\""), std::string::npos)
        << "each version adds its release";
}

TEST(Desktop, TheIconIsWellFormedSvg) {
    QFile file(QString::fromStdString(Data + "org.korvisel.Korvisel.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    ASSERT_TRUE(xml.readNextStartElement());
    EXPECT_EQ(xml.name(), QStringLiteral("svg"));
    while (!xml.atEnd())
        xml.readNext();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
}

// Run in its own process (ctest runs each test so), as the file types are read once.
TEST(Desktop, TheFileTypeKnowsProjectsByNameAndByContent) {
    TempFolder folder;
    const std::string packages = folder.Path() + "/mime/packages";
    std::filesystem::create_directories(packages);
    std::filesystem::copy_file(Data + "org.korvisel.Korvisel.mime.xml",
                               packages + "/org.korvisel.Korvisel.xml");
    const Output updated = Shell("update-mime-database " + Quoted(folder.Path() + "/mime"));
    ASSERT_EQ(updated.Status, 0) << updated.Text;
    ::setenv("XDG_DATA_DIRS", (folder.Path() + ":/usr/share").c_str(), 1);

    const QMimeDatabase types;
    struct Case {
        const char* Name;
        QByteArray Content;
        const char* Type;
    };
    const QByteArray project = QByteArray("\x01\x02KRV610", 8) + QByteArray(64, '\0');
    for (const Case& c : {
             Case{"site.KV690", {}, "application/x-korvisel-project"},
             Case{"site.kv690", {}, "application/x-korvisel-project"},
             Case{"old.KV2", {}, "application/x-korvisel-project"},
             Case{"older.KRV", {}, "application/x-korvisel-project"},
             Case{"renamed.bin", project, "application/x-korvisel-project"},
             Case{"notes.txt", "KRV610 is mentioned here", "text/plain"},
         }) {
        const std::string path = folder.File(c.Name);
        std::ofstream(path, std::ios::binary).write(c.Content.constData(), c.Content.size());
        EXPECT_EQ(types.mimeTypeForFile(QString::fromStdString(path)).name().toStdString(), c.Type) << c.Name;
    }
}

// Screen readers and a browser's offer to translate go by the page's language.
TEST(Desktop, TheUserGuideSaysItsLanguage) {
    const std::string guide = ReadText(Build + "/share/korvisel/help/user-guide.html");
    EXPECT_NE(guide.find("<html lang=\"en\">"), std::string::npos) << guide.substr(0, 300);
}

TEST(Desktop, TheManualPagesAreBuilt) {
    for (const char* program : {"korvisel", "korvisel-cli", "korvisel-devsim"}) {
        const Output page = Shell("gzip -dc " + Quoted(Build + "/man/" + program + ".1.gz"));
        EXPECT_EQ(page.Status, 0) << program;
        EXPECT_NE(page.Text.find(".SH SYNOPSIS"), std::string::npos) << program;
        EXPECT_NE(page.Text.find(".SH \"SEE ALSO\""), std::string::npos) << program;
        for (const char* section : {".SH ENVIRONMENT", ".SH FILES", ".SH \"EXIT STATUS\"", ".SH EXAMPLES"})
            EXPECT_NE(page.Text.find(section), std::string::npos) << program << ": " << section;
        // SEE ALSO names the other two pages, never the page itself.
        const std::string seeAlso = page.Text.substr(page.Text.find(".SH \"SEE ALSO\""));
        for (const char* other : {"korvisel", "korvisel\\-cli", "korvisel\\-devsim"}) {
            std::string name = other;
            for (std::size_t dash; (dash = name.find("\\-")) != std::string::npos;)
                name.replace(dash, 2, "-");
            EXPECT_EQ(seeAlso.find(".BR " + std::string(other) + " (1)") != std::string::npos,
                      name != program)
                << program << " refers to " << name;
        }
    }
    // Every command that korvisel-cli --help lists has its own section on the page.
    const std::string cliPage = Shell("gzip -dc " + Quoted(Build + "/man/korvisel-cli.1.gz")).Text;
    const std::string whole = Shell(Quoted(Build + "/src/korvisel-cli") + " --help").Text;
    const std::size_t list = whole.find("Commands:");
    const std::string help = whole.substr(list, whole.find("\n\n", list) - list);
    int commands = 0;
    for (std::size_t at = help.find("\n  "); at != std::string::npos; at = help.find("\n  ", at + 1)) {
        const std::size_t start = at + 3;
        const std::string command = help.substr(start, help.find_first_of(" \n", start) - start);
        if (command.empty() || command[0] == '-' || command == "korvisel-cli")
            continue;
        ++commands;
        EXPECT_NE(cliPage.find(".SS " + command + "\n"), std::string::npos) << command;
    }
    EXPECT_GE(commands, 9);
}

TEST(Desktop, TheInstalledTreeRunsAndFindsItsData) {
    TempFolder folder;
    const std::string prefix = folder.Path() + "/prefix";
    const Output installed =
        Shell("cmake --install " + Quoted(Build) + " --strip --prefix " + Quoted(prefix));
    ASSERT_EQ(installed.Status, 0) << installed.Text;
    EXPECT_EQ(Shell(Quoted(prefix + "/bin/korvisel-cli") + " --version").Text,
              "korvisel-cli " KORVISEL_VERSION "\n");
    EXPECT_EQ(Shell(Quoted(prefix + "/bin/korvisel") + " --version").Text, "korvisel " KORVISEL_VERSION "\n");
    EXPECT_EQ(Shell(Quoted(prefix + "/bin/korvisel-devsim") + " --version").Text,
              "korvisel-devsim " KORVISEL_VERSION "\n");
    // An option the window does not know is said to be one, not opened as a file.
    const Output unknown =
        Shell("QT_QPA_PLATFORM=offscreen " + Quoted(prefix + "/bin/korvisel") + " --frobnicate");
    EXPECT_EQ(unknown.Status, 2);
    EXPECT_NE(unknown.Text.find("korvisel: --frobnicate: unknown option; see korvisel --help"),
              std::string::npos)
        << unknown.Text;
    // Also where Qt could not start for want of a display.
    const Output headless = Shell("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                                  Quoted(prefix + "/bin/korvisel") + " --bogus");
    EXPECT_EQ(headless.Status, 2) << headless.Text;
    for (const char* file :
         {"share/korvisel/languages/Russian.ini", "share/korvisel/help/user-guide.html",
          "share/applications/org.korvisel.Korvisel.desktop",
          "share/metainfo/org.korvisel.Korvisel.metainfo.xml",
          "share/mime/packages/org.korvisel.Korvisel.xml",
          "share/icons/hicolor/scalable/apps/org.korvisel.Korvisel.svg", "share/man/man1/korvisel-cli.1.gz"})
        EXPECT_TRUE(std::filesystem::is_regular_file(prefix + "/" + file)) << file;
    // Bash completes the commands and their options.
    const std::string completions = prefix + "/share/bash-completion/completions/";
    const auto complete = [&](const std::string& program, const std::string& words) {
        const std::string function = program == "korvisel-cli" ? "_korvisel_cli" : "_korvisel_devsim";
        return Shell("bash -c " + Quoted("source " + completions + program + "; COMP_WORDS=(" + program +
                                         " " + words + "); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); " +
                                         function + "; echo \"${COMPREPLY[*]}\""))
            .Text;
    };
    EXPECT_EQ(complete("korvisel-cli", "wr"), "write\n");
    EXPECT_EQ(complete("korvisel-cli", "read --par"), "--parity\n");
    EXPECT_EQ(complete("korvisel-cli", "write --flow rt"), "rts rtscts\n");
    EXPECT_EQ(complete("korvisel-devsim", "--firm"), "--firmware\n");
    EXPECT_EQ(complete("korvisel-cli", "report site.KV690 --se"), "--serial\n");
    EXPECT_EQ(complete("korvisel-cli", "report site.KV690 --power ac"), "accumulator\n");
    EXPECT_TRUE(std::filesystem::is_regular_file(completions + "korvisel"));
    // No path of this machine's build in what was installed: the programs find their data beside
    // themselves. (A debug build's assertions name their source files, so only text files are
    // searched there.)
    for (const std::string& path : {Build, std::string(KORVISEL_SOURCE_DIR)})
        EXPECT_NE(Shell("grep -rlI " + Quoted(path) + " " + Quoted(prefix)).Status, 0) << path;
#ifdef NDEBUG
    EXPECT_NE(Shell("grep -rl " + Quoted(Build) + " " + Quoted(prefix + "/bin")).Status, 0);
#endif
}

TEST(Desktop, ThePackageInstallsAndRunsWithComputedDependencies) {
    TempFolder folder;
    const Output packed = Shell("cpack -G DEB -B " + Quoted(folder.Path()) + " --config " +
                                Quoted(Build + "/CPackConfig.cmake"));
    ASSERT_EQ(packed.Status, 0) << packed.Text;
    std::string architecture = Shell("dpkg --print-architecture").Text;
    while (!architecture.empty() && architecture.back() == '\n')
        architecture.pop_back();
    const std::string debFile = folder.File("korvisel_" KORVISEL_VERSION "_" + architecture + ".deb");
    const Output depends = Shell("dpkg-deb -f " + Quoted(debFile) + " Depends");
    ASSERT_EQ(depends.Status, 0) << depends.Text;
    for (const char* library : {"libqt6widgets6", "libqt6printsupport6", "libc6", "fonts-dejavu-core"})
        EXPECT_NE(depends.Text.find(library), std::string::npos) << depends.Text;
    // Help, the check report and Show in Folder open files with xdg-open.
    EXPECT_NE(Shell("dpkg-deb -f " + Quoted(debFile) + " Recommends").Text.find("xdg-utils"),
              std::string::npos);

    const std::string root = folder.Path() + "/root";
    ASSERT_EQ(Shell("dpkg -x " + Quoted(debFile) + " " + Quoted(root)).Status, 0);
    const Output version = Shell(Quoted(root + "/usr/bin/korvisel-cli") + " --version");
    EXPECT_EQ(version.Status, 0);
    EXPECT_EQ(version.Text, "korvisel-cli " KORVISEL_VERSION "\n");
    const Output entry = Shell("desktop-file-validate " +
                               Quoted(root + "/usr/share/applications/org.korvisel.Korvisel.desktop"));
    EXPECT_EQ(entry.Status, 0) << entry.Text;
    const Output metainfo = Shell("appstreamcli validate --no-net " +
                                  Quoted(root + "/usr/share/metainfo/org.korvisel.Korvisel.metainfo.xml"));
    EXPECT_EQ(metainfo.Status, 0) << metainfo.Text;
    EXPECT_NE(ReadText(root + "/usr/share/metainfo/org.korvisel.Korvisel.metainfo.xml")
                  .find("<project_license>GPL-3.0-or-later</project_license>"),
              std::string::npos);
    const std::string doc = root + "/usr/share/doc/korvisel/";
    EXPECT_NE(ReadText(doc + "copyright").find("License: GPL-3+"), std::string::npos);
    // The user's README: where the guide is, not how to build and test the source.
    const std::string readme = ReadText(doc + "README.md");
    EXPECT_NE(readme.find("/usr/share/korvisel/help/user-guide.html"), std::string::npos) << readme;
    EXPECT_EQ(readme.find("make check"), std::string::npos) << readme;
    const Output changelog = Shell("gzip -dc " + Quoted(doc + "changelog.gz"));
    EXPECT_EQ(changelog.Text.rfind("korvisel (" KORVISEL_VERSION ") ", 0), 0u) << changelog.Text;

    // The programs parse untrusted files and serial input: Debian's hardening, checked as Debian does.
#ifdef KORVISEL_HARDENED
    if (Shell("command -v hardening-check").Status == 0) {
        for (const char* program : {"korvisel", "korvisel-cli", "korvisel-devsim"}) {
            const Output checked = Shell("hardening-check " + Quoted(root + "/usr/bin/" + program));
            for (const char* line :
                 {"Position Independent Executable: yes", "Stack protected: yes",
                  "Fortify Source functions: yes", "Read-only relocations: yes", "Immediate binding: yes"})
                EXPECT_NE(checked.Text.find(line), std::string::npos) << program << ":\n" << checked.Text;
        }
    } else {
        ADD_FAILURE() << "hardening-check (devscripts) is missing: scripts/install-deps.sh installs it";
    }
#endif
    // No error and no warning from Debian's package checker.
    if (Shell("command -v lintian").Status == 0) {
        const Output lint = Shell("lintian --fail-on error,warning " + Quoted(debFile));
        EXPECT_EQ(lint.Status, 0) << lint.Text;
    }
}

} // namespace
} // namespace korvisel
