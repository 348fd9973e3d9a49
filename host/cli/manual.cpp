// The manual page: roff around the command table and the sim vocabulary.
#include "manual.h"

#include "commands.h"
#include "sim_commands.h"

namespace host {
namespace {

// Text as roff prints it: backslashes and hyphens literal, no line taken
// for a request.
std::string roff(const std::string &text)
{
    std::string out;
    for (char c : text) {
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else if (c == '\n')
            out += ' ';
        else
            out += c;
    }
    if (!out.empty() && (out[0] == '.' || out[0] == '\''))
        out = "\\&" + out;
    return out;
}

std::string entries(const std::vector<ManualEntry> &list)
{
    std::string out;
    for (const ManualEntry &e : list)
        out += ".TP\n.B " + roff(e.head) + "\n" + roff(e.what) + "\n";
    return out;
}

std::vector<ManualEntry> command_entries()
{
    std::vector<ManualEntry> out;
    for (const Command &c : command_table()) {
        out.push_back({std::string(c.name) + (*c.args ? " " : "") + c.args,
                       std::string(c.what) + scope_note(c.scope)});
    }
    return out;
}

std::vector<ManualEntry> sim_entries()
{
    std::vector<ManualEntry> out;
    for (const SimWord &w : sim_vocabulary())
        out.push_back({std::string("sim ") + w.name + (*w.args ? " " : "") + w.args, w.what});
    return out;
}

const char kHead[] = R"(.SH NAME
picture\-menu \- drive the picture settings provider against a simulated TV
.SH SYNOPSIS
.B picture\-menu
[\fIOPTION\fR...] [\fICOMMAND\fR [\fIARGS\fR...]]
.SH DESCRIPTION
picture\-menu loads the picture settings provider as the TV's settings host
does and runs one command against it and a simulated TV, or with
.B shell
one command per line of standard input. Without a command it walks the whole
Picture menu. Options may also follow the command; after
.B \-\-
every word is an argument.
.PP
Each key of the menu has a title of picture\-menu's own; the provider's
labels and help texts read "My Menu Item" and "My Help Text" where it has
none of its own.
)";

const char kTail[] = R"(.SH FILES
A state file given with
.B \-\-state
holds the simulated TV as sim commands; without one, every change ends with
the run.
.SH SEE ALSO
The manual picture\-menu.md and the JSON reference json.md of the project's
documentation.
)";

}  // namespace

std::string command_table_markdown()
{
    std::string out = "| Command | What it does |\n|---|---|\n";
    for (const ManualEntry &e : command_entries()) {
        std::string head;
        for (char c : e.head)
            head += c == '|' ? std::string("\\|") : std::string(1, c);  // not a cell's end
        out += "| `" + head + "` | " + e.what + " |\n";
    }
    return out;
}

std::string manual_page(const std::vector<ManualEntry> &options,
                        const std::vector<ManualEntry> &exit_statuses, const std::string &version)
{
    return ".TH PICTURE\\-MENU 1 \"\" \"picture\\-menu " + roff(version) +
           "\" \"User Commands\"\n" + kHead + ".SH OPTIONS\n" + entries(options) +
           ".SH COMMANDS\n" + entries(command_entries()) + ".SH SIM COMMANDS\n" +
           "Commands that set up the simulated TV, given after\n.BR sim .\n" +
           entries(sim_entries()) + ".SH EXIT STATUS\n" + entries(exit_statuses) + kTail;
}

}  // namespace host
