#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kUsage =
    "Usage: ticketd --db FILE [--port N] [--listen ADDR:PORT] [--demo] [--init-admin CODE]\n"
    "\n"
    "The application server of the bus-station ticketing system: owns the database, runs the\n"
    "statements that workstations send, keeps seat locks and relays messages between desks.\n"
    "\n"
    "  --db FILE          SQLite database file (created with every table when empty)\n"
    "  --port N           TCP port on 127.0.0.1 (default 7520; 0 picks a free port and prints it)\n"
    "  --listen ADDR:PORT listen on another address\n"
    "  --demo             fill an empty database with a demo station\n"
    "  --init-admin CODE  create the first administrator\n"
    "  --help             show this text\n";

}  // namespace

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
    }
    std::fputs(kUsage, stderr);
    return 2;
}
