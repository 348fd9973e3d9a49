// Every argument and out-value of a recorded call reaches its line: the
// recorder's wrappers and proxies, expanded from the platform rows, called
// with the stand-in behind them and recording on.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "app_control.h"
#include "avoc.h"
#include "menu_util.h"
#include "record_file.h"
#include "sim/control.h"
#include "vconf.h"
#include "wrapper_table.h"

namespace {

// The recorder's wrapper of a platform function.
template <typename F> F *wrapped(F *real)
{
    for (const recorder::Wrapper &w : recorder::platform_wrappers())
        if (w.real == reinterpret_cast<void *>(real))
            return reinterpret_cast<F *>(w.wrapper);
    ADD_FAILURE() << "no wrapper";
    return real;
}

// The call lines `calls` records.
std::vector<std::string> recorded(const std::function<void()> &calls)
{
    std::string file = testing::TempDir() + "call_lines_" + std::to_string(getpid()) + ".rec";
    recorder::Settings settings;
    settings.file = file;
    EXPECT_TRUE(recorder::start(settings, "header\n"));
    calls();
    recorder::stop(nullptr);
    std::vector<std::string> lines;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);)
        if (line.rfind("call: ", 0) == 0)
            lines.push_back(line);
    std::remove(file.c_str());
    return lines;
}

struct Case {
    const char *name;
    std::function<void()> calls;
    std::vector<std::string> lines;
};

const Case kCases[] = {
    {"HslTriple",
     [] {
         sim::state().avoc["color_space_hsl/2/hue"] = 10;
         sim::state().avoc["color_space_hsl/2/saturation"] = 20;
         sim::state().avoc["color_space_hsl/2/lightness"] = 30;
         avoc_hsl_s hsl{};
         wrapped(avoc_get_color_space_hsl)(0, 2, &hsl, 1);
         wrapped(avoc_set_color_space_hsl)(0, 2, 1, 2, 3, 0);
     },
     {"call: avoc_get_color_space_hsl(0, 2, out, 1) = 0, out 10 20 30",
      "call: avoc_set_color_space_hsl(0, 2, 1, 2, 3, 0) = 0"}},
    {"RgbRecordAndHexPort",
     [] {
         avoc_rgb_s rgb{1, 2, 3};
         wrapped(avoc_set_color_space_custom_rgb)(0, 4, &rgb);
         int value = 0;
         wrapped(avoc_get_uhd_color_mode)(0, AVOC_PORT_HDMI1, &value, 1);
     },
     {"call: avoc_set_color_space_custom_rgb(0, 4, {1, 2, 3}) = 0",
      "call: avoc_get_uhd_color_mode(0, 0x80001, out, 1) = 0, out 0"}},
    {"TextsQuotedAndNull",
     [] {
         sim::state().vconf_str["k"] = "a \"b\"\n";
         std::free(wrapped(vconf_get_str)("k"));
         std::free(wrapped(vconf_get_str)("none"));
     },
     {R"(call: vconf_get_str("k") = "a \"b\"\n")", R"(call: vconf_get_str("none") = null)"}},
    {"HandleAndAbsentCallback",
     [] {
         app_control_h handle = nullptr;
         wrapped(app_control_create)(&handle);
         wrapped(app_control_send_launch_request)(handle, nullptr, nullptr);
         app_control_destroy(handle);
     },
     {"call: app_control_create(out) = 0, out object",
      "call: app_control_send_launch_request(handle, null, null) = 0"}},
    {"BufferFilledOrNot",
     [] {
         char text[512] = "";
         wrapped(CAntennaUtil::GetAntennaName)(MENU_ANTENNA_TYPE_AIR, text);
         sim::force("CMenuUtil::GetChannelString", 1);
         wrapped(CMenuUtil::GetChannelString)(text, true);
     },
     {R"(call: CAntennaUtil::GetAntennaName(0, buffer), out "Air")",
      "call: CMenuUtil::GetChannelString(buffer, 1) = 1"}},
    {"ObjectHandedOutAsARecordingProxy",
     [] {
         IUtil *util = nullptr;
         wrapped(TVServiceAPI::CreateUtil)(&util);
         EProfile profile{};
         int arg = -1;
         util->GetMasterAudio(&profile, &arg);
     },
     {"call: TVServiceAPI::CreateUtil(out) = 0, out object",
      "call: IUtil::GetMasterAudio(out, out) = 1, out 1 0"}},
};

void PrintTo(const Case &c, std::ostream *os)
{
    *os << c.name;
}

class CallLines : public ::testing::TestWithParam<Case> {};

TEST_P(CallLines, CarryEveryArgumentAndOutValue)
{
    sim::reset();
    EXPECT_EQ(recorded(GetParam().calls), GetParam().lines);
    sim::reset();
}

INSTANTIATE_TEST_SUITE_P(Recorder, CallLines, ::testing::ValuesIn(kCases),
                         [](const auto &p) { return std::string(p.param.name); });

}  // namespace
