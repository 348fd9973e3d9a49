// picture-menu: a desktop settings host. It loads the picture provider the
// way the TV's settings host does and drives it against the stand-in TV.
#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "picture_provider.h"
#include "sim/control.h"

namespace {

struct Options {
    bool log = false;
    std::string provider;
    std::vector<std::string> args;
};

void usage()
{
    std::fprintf(stderr,
                 "usage: picture-menu [--log] [--provider PATH] COMMAND\n"
                 "commands:\n"
                 "  get KEY            read a setting\n"
                 "  set KEY VALUE      write a setting\n"
                 "  preview KEY VALUE  apply a setting without committing it\n"
                 "  list KEY           show a setting's choices\n"
                 "  get-string KEY     read a text setting\n"
                 "  set-string KEY VALUE  write a text setting (the PIP channel: Up, Down)\n");
}

// The provider library beside this program, unless given.
std::string default_provider()
{
    char path[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return "libpicture-provider.so";
    path[n] = '\0';
    std::string dir(path);
    return dir.substr(0, dir.rfind('/') + 1) + "libpicture-provider.so";
}

bool parse_int(const std::string &text, int *value)
{
    char *end = nullptr;
    errno = 0;
    long v = std::strtol(text.c_str(), &end, 0);
    if (text.empty() || *end != '\0' || errno == ERANGE || v < INT_MIN || v > INT_MAX)
        return false;
    *value = static_cast<int>(v);
    return true;
}

class Host {
public:
    explicit Host(const std::string &path)
    {
        handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle_)
            return;
        create_ = reinterpret_cast<provider_create_fn>(dlsym(handle_, "create_provider"));
        delete_ = reinterpret_cast<provider_delete_fn>(dlsym(handle_, "delete_provider"));
        if (create_ && delete_ && create_(&table_) != 0)
            table_ = nullptr;
    }
    ~Host()
    {
        if (table_)
            delete_(&table_);
    }
    Host(const Host &) = delete;
    Host &operator=(const Host &) = delete;

    bool ok() const { return table_ != nullptr; }

    template <typename F> F op(provider_slot slot) const
    {
        return reinterpret_cast<F>(table_[slot]);
    }

private:
    void *handle_ = nullptr;
    provider_create_fn create_ = nullptr;
    provider_delete_fn delete_ = nullptr;
    provider_op *table_ = nullptr;
};

int run_list(const Host &host, const std::string &key)
{
    int count = 0;
    void **items =
        host.op<provider_get_list_items_fn>(PROVIDER_SLOT_GET_LIST_ITEMS)(key.c_str(), &count);
    if (!items) {
        std::printf("no list\n");
        return 1;
    }
    auto display = host.op<provider_get_item_string_fn>(PROVIDER_SLOT_GET_LIST_ITEM_DISPLAY_VALUE);
    auto string = host.op<provider_get_item_string_fn>(PROVIDER_SLOT_GET_LIST_ITEM_STRING_VALUE);
    auto value = host.op<provider_get_item_int_fn>(PROVIDER_SLOT_GET_LIST_ITEM_INT_VALUE);
    for (int i = 0; i < count; ++i) {
        char *text = nullptr;
        char *str = nullptr;
        int v = 0;
        display(items[i], &text);
        string(items[i], &str);
        value(items[i], &v);
        std::printf("%6d  %s%s%s\n", v, text ? text : "", str ? "  " : "", str ? str : "");
    }
    std::printf("count: %d\n", count);
    host.op<provider_free_list_items_fn>(PROVIDER_SLOT_FREE_LIST_ITEMS)(items, count);
    return 0;
}

// The text operations; -1 when the command is not one of them.
int run_string(const Host &host, const std::vector<std::string> &args)
{
    const std::string &cmd = args[0];
    if (cmd == "get-string" && args.size() == 2) {
        char *text = nullptr;
        int status =
            host.op<provider_get_string_fn>(PROVIDER_SLOT_GET_STRING)(args[1].c_str(), &text);
        if (text)
            std::printf("value: %s\n", text);
        host.op<provider_release_string_fn>(PROVIDER_SLOT_RELEASE_STRING)(text);
        std::printf("status: %d\n", status);
        return status == 0 ? 0 : 1;
    }
    if (cmd == "set-string" && args.size() == 3) {
        int status = host.op<provider_set_string_fn>(PROVIDER_SLOT_SET_STRING)(args[1].c_str(),
                                                                               args[2].c_str());
        std::printf("status: %d\n", status);
        return status == 0 ? 0 : 1;
    }
    return -1;
}

int run(const Host &host, const std::vector<std::string> &args)
{
    const std::string &cmd = args[0];
    int value = 0;
    if (cmd == "get" && args.size() == 2) {
        int status = host.op<provider_get_int_fn>(PROVIDER_SLOT_GET_INT)(args[1].c_str(), &value);
        if (status == 0)
            std::printf("value: %d\n", value);
        std::printf("status: %d\n", status);
        return status == 0 ? 0 : 1;
    }
    if ((cmd == "set" || cmd == "preview") && args.size() == 3) {
        if (!parse_int(args[2], &value)) {
            std::fprintf(stderr, "picture-menu: not an integer: %s\n", args[2].c_str());
            return 2;
        }
        provider_slot slot = cmd == "set" ? PROVIDER_SLOT_SET_INT : PROVIDER_SLOT_SET_INT_PRE;
        int status = host.op<provider_set_int_fn>(slot)(args[1].c_str(), value);
        std::printf("status: %d\n", status);
        return status == 0 ? 0 : 1;
    }
    if (cmd == "list" && args.size() == 2)
        return run_list(host, args[1]);
    if (int status = run_string(host, args); status >= 0)
        return status;
    usage();
    return 2;
}

}  // namespace

int main(int argc, char **argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--log")
            options.log = true;
        else if (a == "--provider" && i + 1 < argc)
            options.provider = argv[++i];
        else if (a == "--help" || a == "-h") {
            usage();
            return 0;
        } else
            options.args.push_back(a);
    }
    if (options.args.empty()) {
        usage();
        return 2;
    }
    if (options.provider.empty())
        options.provider = default_provider();

    sim::set_log_mode(options.log ? sim::LogMode::CaptureAndEcho : sim::LogMode::Discard);
    Host host(options.provider);
    if (!host.ok()) {
        const char *why = dlerror();
        std::fprintf(stderr, "picture-menu: cannot load %s: %s\n", options.provider.c_str(),
                     why ? why : "no provider table");
        return 2;
    }
    return run(host, options.args);
}
