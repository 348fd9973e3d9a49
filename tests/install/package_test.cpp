// The Debian packages as a TV integrator takes them: cpack makes them from
// this build once, dpkg-deb reads them back.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "install_fixture.h"

namespace {

using install_test::Install;
using install_test::run;
namespace fs = std::filesystem;
using test_support::Result;

struct Package {
    const char *component;
    const char *name;
    const char *depends;  // besides what dpkg-shlibdeps finds
    const char *recommends;
};

// The build's package table (cmake/debian_packages.cmake).
const Package kPackages[] = {
#define PICTURE_PACKAGE(component, name, depends, recommends)                                      \
    {component, name, depends, recommends},
#include "packages.inc"
#undef PICTURE_PACKAGE
};

class Packages : public Install {
protected:
    static void SetUpTestSuite()
    {
        fs::remove_all(folder());
        made_ = run(CPACK_PROGRAM " -B " + folder().string() +
                    " --config " BUILD_DIR "/CPackConfig.cmake");
    }
    static void TearDownTestSuite() { fs::remove_all(folder()); }
    static fs::path folder()
    {
        return fs::temp_directory_path() / ("picture-packages-" + std::to_string(getpid()));
    }
    static std::string deb(const Package &p)
    {
        return (folder() / (std::string(p.name) + "_" PROJECT_VERSION "_" DEB_ARCH ".deb"))
            .string();
    }
    void SetUp() override
    {
        Install::SetUp();
        ASSERT_EQ(made_.exit, 0) << made_.output;
    }

    static Result made_;
};

Result Packages::made_;

// "Depends: a, b" and the others, by field name.
std::map<std::string, std::string> control_fields(const std::string &deb)
{
    std::map<std::string, std::string> fields;
    std::istringstream lines(run("dpkg-deb -f " + deb).output);
    for (std::string line; std::getline(lines, line);)
        if (auto colon = line.find(": "); colon != std::string::npos && line[0] != ' ')
            fields[line.substr(0, colon)] = line.substr(colon + 2);
    return fields;
}

// The files a package holds, relative to /usr, as dpkg-deb lists them.
std::set<std::string> package_files(const std::string &deb)
{
    std::set<std::string> files;
    std::istringstream lines(run("dpkg-deb -c " + deb).output);
    for (std::string line; std::getline(lines, line);) {
        std::string file = line.substr(line.find("./"));
        if (file.back() != '/')
            files.insert(fs::path(file).lexically_relative("./usr").string());
    }
    return files;
}

bool holds_an_elf_file(const fs::path &root)
{
    for (const auto &entry : fs::recursive_directory_iterator(root)) {
        char magic[4] = {};
        if (entry.is_regular_file() && std::ifstream(entry.path()).read(magic, 4) &&
            std::string(magic, 4) == "\x7f"
                                     "ELF")
            return true;
    }
    return false;
}

// Each package holds exactly what its component installs with the prefix /usr.
TEST_F(Packages, EachHoldsItsComponent)
{
    for (const Package &p : kPackages) {
        SCOPED_TRACE(p.name);
        fs::remove_all(root());
        EXPECT_EQ(package_files(deb(p)), install({p.component}));
    }
}

// Name, version and architecture of the build; what each needs: the table's
// packages first, then the runtime that dpkg-shlibdeps found for its binaries.
TEST_F(Packages, EachDeclaresWhatItNeeds)
{
    for (const Package &p : kPackages) {
        SCOPED_TRACE(p.name);
        std::map<std::string, std::string> fields = control_fields(deb(p));
        EXPECT_EQ(fields["Package"], p.name);
        EXPECT_EQ(fields["Version"], PROJECT_VERSION);
        EXPECT_EQ(fields["Architecture"], DEB_ARCH);
        EXPECT_EQ(fields["Recommends"], p.recommends);
        const fs::path tree = dir_ / p.name;
        ASSERT_EQ(run("dpkg-deb -x " + deb(p) + " " + tree.string()).exit, 0);
        const std::string &depends = fields["Depends"];
        if (!holds_an_elf_file(tree)) {
            EXPECT_EQ(depends, p.depends);
            continue;
        }
        EXPECT_EQ(depends.rfind(p.depends, 0), 0u) << depends;
        for (const char *runtime : {"libc6 (>= ", "libstdc++6 (>= "})
            EXPECT_NE(depends.find(runtime), std::string::npos) << depends;
    }
}

// The names in a Depends field.
std::set<std::string> names_in(const std::string &depends)
{
    std::set<std::string> names;
    std::istringstream items(depends);
    for (std::string item; std::getline(items, item, ',');) {
        item.erase(0, item.find_first_not_of(' '));
        names.insert(item.substr(0, item.find(' ')));
    }
    return names;
}

// picture-menu's package and those of ours it depends on, unpacked into a
// scratch root: picture-menu finds everything there and shows the menu as in
// the build tree.
TEST_F(Packages, UnpackedIntoAScratchRootTheMenuRuns)
{
    const Package &tools =
        *std::find_if(std::begin(kPackages), std::end(kPackages),
                      [](const Package &p) { return p.component == std::string("tools"); });
    std::set<std::string> wanted = names_in(control_fields(deb(tools))["Depends"]);
    wanted.insert(tools.name);
    for (const Package &p : kPackages)
        if (wanted.count(p.name)) {
            ASSERT_EQ(run("dpkg-deb -x " + deb(p) + " " + root().string()).exit, 0) << p.name;
        }
    Result menu = run(EMULATOR " " + (usr() / BINDIR / "picture-menu").string() + " --json menu");
    ASSERT_EQ(menu.exit, 0) << menu.output;
    EXPECT_EQ(menu.output, run(EMULATOR " " HOST_PROGRAM " --json menu").output);
}

}  // namespace
