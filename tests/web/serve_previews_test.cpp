// The previews a page leaves behind: the server knows which page set each one
// apart from its committed value, and reverts them when that page leaves.
#include <atomic>
#include <string>
#include <thread>

#include "serve_fixture.h"

namespace {

using namespace serve_test;

class ServePreviews : public ::testing::Test {
protected:
    Server server_{{"serve", "--listen", "127.0.0.1:0"}};
    httplib::Client http_ = server_.client();

    json send(const std::string &path, const json &body, const std::string &page = "")
    {
        httplib::Headers headers;
        if (!page.empty())
            headers.emplace("X-Page", page);
        auto r = http_.Post(path, headers, body.dump(), "application/json");
        EXPECT_TRUE(r);
        return r ? json::parse(r->body) : json();
    }
    json panel() { return json::parse(http_.Get("/api/panel")->body); }
};

// Who previewed what, step by step: the committed value is the one before the
// first preview, the page the last to preview, and a commit ends it.
TEST_F(ServePreviews, EachPreviewIsKeptWithItsPageAndTheValueCommittedBefore)
{
    struct Step {
        const char *path;
        const std::string key;
        int value;
        const char *page;
        json previews;  // /api/panel's "previews" after the step
    };
    const Step steps[] = {
        {"/api/preview", kTone, 4, "a", {{kTone, {{"committed", 1}, {"page", "a"}}}}},
        {"/api/preview", kTone, 3, "b", {{kTone, {{"committed", 1}, {"page", "b"}}}}},
        {"/api/preview", kTone, 1, "b", json::object()},  // back at the committed value
        {"/api/preview", kFilm, 2, "a", {{kFilm, {{"committed", 0}, {"page", "a"}}}}},
        {"/api/set", kFilm, 1, "", json::object()},  // a commit ends the preview
    };
    for (const Step &s : steps) {
        SCOPED_TRACE(std::string(s.path) + " " + s.key + " " + std::to_string(s.value));
        EXPECT_EQ(send(s.path, {{"key", s.key}, {"value", s.value}}, s.page)["status"], 0);
        EXPECT_EQ(panel()["previews"], s.previews);
    }
}

TEST_F(ServePreviews, ALeavingPageHasItsOwnPreviewsRevertedAndNoOthers)
{
    send("/api/preview", {{"key", kTone}, {"value", 4}}, "a");
    send("/api/preview", {{"key", kFilm}, {"value", 2}}, "b");
    EXPECT_EQ(send("/api/leave", {{"page", "a"}}), json({{"reverted", {kTone}}}));
    json values = panel();
    EXPECT_EQ(values["avoc"]["color_tone_mode"], values["committed"]["color_tone_mode"]);
    EXPECT_EQ(values["avoc"]["film_mode"], 2);
    EXPECT_EQ(values["previews"].size(), 1U);
    EXPECT_EQ(send("/api/leave", {{"page", "a"}}), json({{"reverted", json::array()}}));
    for (const char *bad : {"[]", "{}", R"({"page": 1})", R"({"page": "b", "key": 1})"}) {
        auto r = http_.Post("/api/leave", bad, "text/plain");
        ASSERT_TRUE(r);
        EXPECT_EQ(r->status, 400) << bad;
    }
    EXPECT_EQ(panel()["avoc"]["film_mode"], 2);
}

// A page that went without a word (a crash, a lost network): its stream's end
// is noticed at the next event written to it, and its previews end then.
TEST_F(ServePreviews, APagesLastStreamClosingRevertsItsPreviews)
{
    std::atomic<bool> open{false}, done{false};
    httplib::Client listener = server_.client();
    std::thread reader([&] {
        listener.Get("/api/events?page=c", [&](const char *, std::size_t) {
            open = true;
            return !done;
        });
    });
    while (!open)
        std::this_thread::yield();
    send("/api/preview", {{"key", kTone}, {"value", 4}}, "c");
    EXPECT_EQ(panel()["previews"][kTone]["page"], "c");
    done = true;
    int events = 0;
    // Each request is an event on the stream; a few reach the closed one.
    for (; events < 200 && !panel()["previews"].empty(); ++events)
        http_.Get("/api/keys");
    reader.join();
    EXPECT_LT(events, 200);
    json values = panel();
    EXPECT_EQ(values["avoc"]["color_tone_mode"], 1);
    EXPECT_EQ(values["previews"], json::object());
}

}  // namespace
