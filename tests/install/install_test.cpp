// The install components, as a firmware engineer and a desktop user use them:
// DESTDIR installs with the prefix /usr, each component on its own.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>

#include "install_fixture.h"

namespace {

using install_test::Install;
using install_test::path;
using install_test::run;
namespace fs = std::filesystem;
using test_support::Result;

struct Component {
    const char *name;
    std::set<std::string> files;
};

TEST_F(Install, EachComponentInstallsItsFilesAndNothingElse)
{
    const std::string catalogue = "en/LC_MESSAGES/settings-datafw.mo";
    std::set<std::string> tools{path(BINDIR, "picture-menu"),
                                path(MENU_LIB_DIR, "libplatform-sim.so"),
                                path(MENU_LOCALE_DIR, catalogue.c_str()),
                                path(DATADIR, "bash-completion/completions/picture-menu"),
                                path(MANDIR, "man1/picture-menu.1")};
    if (HOST_CATALOGUE)
        tools.insert(path(HOST_LOCALE_DIR, catalogue.c_str()));
    std::stringstream web(MENU_WEB_FILES);  // the emulator page, when serve is built
    for (std::string file; std::getline(web, file, ',');)
        tools.insert(file);
    const Component components[] = {
        {"provider", {path(PROVIDER_DIR, "libpicture-provider.so")}},
        {"tools", tools},
        {"dev",
         {path(INCLUDEDIR, "picture_provider.h"), path(INCLUDEDIR, "picture_keys.h"),
          path(CONFIG_DIR, "picture-provider-config.cmake"),
          path(CONFIG_DIR, "picture-provider-config-version.cmake"),
          path(PKGCONFIG_DIR, "picture-provider.pc")}},
    };
    for (const Component &c : components) {
        SCOPED_TRACE(c.name);
        fs::remove_all(root());
        EXPECT_EQ(install({c.name}), c.files);
    }
}

// The tools alone leave the host's locale and provider folders alone, and
// picture-menu fails as it cannot run, saying where it looked and what to do.
// Beside the provider it finds it, the stand-in and its catalogue from its
// own place, and shows the menu as in the build tree.
TEST_F(Install, PictureMenuRunsFromItsOwnPlaceOrSaysWhereItLooked)
{
    install({"tools"});
    EXPECT_EQ(fs::exists(usr() / HOST_LOCALE_DIR), HOST_CATALOGUE);
    EXPECT_FALSE(fs::exists(usr() / PROVIDER_DIR / "libplatform-sim.so"));
    const std::string installed = (usr() / BINDIR / "picture-menu").string();
    Result menu = run(installed + " menu");
    EXPECT_EQ(menu.exit, 3);
    const fs::path bindir = fs::canonical(usr() / BINDIR);
    const std::string looked = "(looked in " + bindir.string() + "/ and " +
                               (bindir.parent_path() / PROVIDER_DIR).string() +
                               "/; install the provider, or name one with --provider PATH)";
    EXPECT_NE(menu.output.find(looked), std::string::npos) << menu.output;

    install({"provider"});
    menu = run(installed + " --json menu");
    ASSERT_EQ(menu.exit, 0) << menu.output;
    EXPECT_EQ(menu.output, run(HOST_PROGRAM " --json menu").output);
    EXPECT_NE(menu.output.find("\"Off\""), std::string::npos) << "translated texts";
    EXPECT_EQ(run(installed + " --version").output, "picture-menu " PROJECT_VERSION "\n");
}

// A host project finds the interface through the CMake package config, or
// through pkg-config without CMake; both name the installed provider.
TEST_F(Install, DevComponentServesAHostProject)
{
    install({"dev"});
    const std::string build = (dir_ / "consumer").string();
    const std::string pkg_config =
        "PKG_CONFIG_PATH=" + (usr() / PKGCONFIG_DIR).string() + " pkg-config ";
    const std::string with_cmake = CMAKE_PROGRAM " -S " CONSUMER_DIR " -B " + build +
                                   " -DCMAKE_PREFIX_PATH=" + usr().string() +
                                   " && " CMAKE_PROGRAM " --build " + build;
    const std::string with_pkg_config = "mkdir -p " + build + " && " CXX_COMPILER " -o " + build +
                                        "/consumer " CONSUMER_DIR "/host.cpp $(" + pkg_config +
                                        "--cflags picture-provider) -DPROVIDER_LIBRARY=\\\"$(" +
                                        pkg_config + "--variable=provider picture-provider)\\\"";
    const std::string provider =
        fs::weakly_canonical(usr() / PROVIDER_DIR / "libpicture-provider.so").string();
    for (const std::string &compile : {with_cmake, with_pkg_config}) {
        SCOPED_TRACE(compile);
        fs::remove_all(build);
        Result built = run(compile);
        ASSERT_EQ(built.exit, 0) << built.output;
        Result host = run(build + "/consumer");
        const std::string interface = "47 8 menu/picture/pip/channel ";
        ASSERT_EQ(host.output.substr(0, interface.size()), interface);
        std::string named = host.output.substr(interface.size());
        named.pop_back();  // the line's end
        EXPECT_EQ(fs::weakly_canonical(named).string(), provider);
    }
}

}  // namespace
