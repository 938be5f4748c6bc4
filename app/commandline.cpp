#include "app/commandline.h"

#include <cstring>

#ifndef TIDEBOLT_VERSION
#error "the build names the version"
#endif

namespace {

const char* const HELP =
    "Usage: tidebolt [--help] [--version]\n"
    "A game of naval battle: sink the enemy fleet before it sinks yours, playing\n"
    "the computer at three levels or a partner over a local network (TCP port 2004).\n"
    "\n"
    "  -h, --help     show this help and quit\n"
    "      --version  show the version and quit\n"
    "\n"
    "Options and the table of records are kept in\n"
    "~/.config/Orvex software/Tidebolt.conf. See tidebolt(6) for more.\n";

} // namespace

const char* ProgramVersion()
{
    return TIDEBOLT_VERSION;
}

std::string CommandLineAnswer(int argc, const char* const argv[])
{
    for (int i = 1; i < argc && argv[i]; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--") == 0)
            break;  // what follows is not an option
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0)
            return HELP;
        if (std::strcmp(arg, "--version") == 0)
            return std::string("Tidebolt ") + TIDEBOLT_VERSION + "\n";
    }
    return std::string();
}
