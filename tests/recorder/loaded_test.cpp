// The recorder loaded as a settings host loads it: requests from two
// threads, unloading and loading again, a second host on the same file, and
// the provider's copies of platform functions made before the recorder
// could see them.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "command.h"
#include "picture_keys.h"
#include "picture_provider.h"
#include "recording_reader.h"
#include "sim/control.h"

namespace {

namespace fs = std::filesystem;

constexpr const char *kFilmMode = "menu/picture/picture-options/film-mode";
constexpr const char *kGamma = "menu/picture/advanced-settings/gamma";

class Loaded : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() /
               ("recorder-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        file_ = (dir_ / "loaded.rec").string();
        setenv("PICTURE_RECORDER_CONFIG", "/nonexistent", 1);
        setenv("PICTURE_RECORDER_PROVIDER", PROVIDER_LIBRARY, 1);
        setenv("PICTURE_RECORDER_FILE", file_.c_str(), 1);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Loads the recorder and creates a provider through it.
    provider_op *open_recorder()
    {
        handle_ = dlopen(RECORDER_LIBRARY, RTLD_NOW | RTLD_LOCAL);
        EXPECT_TRUE(handle_) << dlerror();
        create_ = reinterpret_cast<provider_create_fn>(dlsym(handle_, "create_provider"));
        delete_ = reinterpret_cast<provider_delete_fn>(dlsym(handle_, "delete_provider"));
        provider_op *table = nullptr;
        EXPECT_EQ(create_(&table), 0);
        return table;
    }
    void close_recorder(provider_op *table)
    {
        EXPECT_EQ(delete_(&table), 0);
        EXPECT_EQ(dlclose(handle_), 0);
    }

    static int get_int(provider_op *table, const char *key)
    {
        int value = 0;
        reinterpret_cast<provider_get_int_fn>(table[PROVIDER_SLOT_GET_INT])(key, &value);
        return value;
    }

    // The recording's complete requests, and how it ends.
    std::vector<recording::RecordedRequest> requests(std::string *cut = nullptr) const
    {
        recording::RecordingReader reader(file_);
        std::vector<recording::RecordedRequest> all;
        for (recording::RecordedRequest q; reader.next(q);)
            all.push_back(q);
        if (cut)
            *cut = reader.cut();
        return all;
    }

    test_support::Result replay() const
    {
        return test_support::run_command(std::string(HOST_PROGRAM) + " replay " + file_ + " 2>&1");
    }

    fs::path dir_;
    std::string file_;
    void *handle_ = nullptr;
    provider_create_fn create_ = nullptr;
    provider_delete_fn delete_ = nullptr;
};

// Each thread's requests stay whole and in its order; the recording
// replays as a match.
TEST_F(Loaded, TwoThreadsRecordWholeRequests)
{
    sim::set_journal(false);  // the stand-in's journal is for one thread
    sim::set_log_mode(sim::LogMode::Discard);
    provider_op *table = open_recorder();
    constexpr int kEach = 200;
    auto reads = [table](const char *key) {
        for (int i = 0; i < kEach; i++)
            get_int(table, key);
    };
    std::thread a(reads, kFilmMode), b(reads, kGamma);
    a.join();
    b.join();
    close_recorder(table);

    std::string cut;
    std::vector<recording::RecordedRequest> all = requests(&cut);
    EXPECT_EQ(cut, "");
    ASSERT_EQ(all.size(), 2u + 2 * kEach);  // with create_provider and delete_provider
    std::set<int> threads;
    for (const recording::RecordedRequest &q : all) {
        if (std::string(q.operation->name) != "get_int")
            continue;
        threads.insert(q.thread);
        ASSERT_EQ(q.args.size(), 2u);
        // A request holds its own key's calls only.
        bool film = q.args[0].text == kFilmMode;
        for (const recording::RecordedCall &c : q.calls)
            EXPECT_EQ(c.call.call.find("film_mode") != std::string::npos, film) << c.call.call;
    }
    EXPECT_EQ(threads.size(), 2u);
    test_support::Result r = replay();
    EXPECT_EQ(r.exit, 0) << r.output.substr(0, 2000);
}

// The recorder stays loaded: closed and opened again, with another library
// loaded between, it goes on recording into the same file.
TEST_F(Loaded, UnloadedAndLoadedAgain)
{
    provider_op *table = open_recorder();
    int before = get_int(table, kFilmMode);
    close_recorder(table);
    void *other = dlopen(PROVIDER_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_TRUE(other) << dlerror();
    dlclose(other);
    table = open_recorder();
    EXPECT_EQ(get_int(table, kFilmMode), before);
    close_recorder(table);

    std::vector<recording::RecordedRequest> all = requests();
    ASSERT_EQ(all.size(), 6u);
    EXPECT_EQ(all[4].calls.size(), all[1].calls.size()) << "the calls after the reload recorded";
    test_support::Result r = replay();
    EXPECT_EQ(r.exit, 0) << r.output.substr(0, 2000);
}

// A second host recording into the same file is refused with one log
// line; the first one's recording goes on whole.
TEST_F(Loaded, SecondHostOnTheFileIsRefused)
{
    provider_op *table = open_recorder();
    test_support::Result second = test_support::run_command(
        "PICTURE_RECORDER_CONFIG=/nonexistent " + std::string(HOST_PROGRAM) + " --log --record " +
        file_ + " get " + kFilmMode + " 2>&1");
    EXPECT_EQ(second.exit, 0) << second.output;
    EXPECT_NE(second.output.find("recording off: " + file_ + " is being recorded by another"),
              std::string::npos)
        << second.output;
    get_int(table, kFilmMode);
    close_recorder(table);
    std::vector<recording::RecordedRequest> all = requests();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[1].args[0].text, kFilmMode);
}

// A copy of a platform function's address made in the provider's static
// initialisation is found and named in the platform log.
TEST_F(Loaded, StaticInitialisationCopyIsLogged)
{
    setenv("PICTURE_RECORDER_PROVIDER", COPYING_PROVIDER, 1);
    sim::clear_log();
    provider_op *table = open_recorder();
    std::string found;
    for (const sim::LogLine &l : sim::log())
        if (l.tag == "picture-recorder")
            found += l.raw;
    EXPECT_NE(found.find("calls through a copy of vconf_get_int at offset 0x"), std::string::npos)
        << found;
    EXPECT_NE(found.find("of the provider are not recorded"), std::string::npos) << found;
    close_recorder(table);
}

}  // namespace
