// The latency proxy on its own, for trying any client against a slow link by hand:
//   latency_proxy <listen port> <target port> [delay ms, default 25] [target host]
// Prints the turns and bytes of every connection as it ends, and the totals on Ctrl+C.
#include "latencniproxy.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <listen port> <target port> [delay ms] [target host]\n",
                     argv[0]);
        return 2;
    }
    const int port = std::atoi(argv[1]);
    const int cil = std::atoi(argv[2]);
    const int ms = argc > 3 ? std::atoi(argv[3]) : 25;
    const std::string host = argc > 4 ? argv[4] : "127.0.0.1";

    // Blocked before any thread starts, so only sigwait() below receives them.
    sigset_t signaly;
    sigemptyset(&signaly);
    sigaddset(&signaly, SIGINT);
    sigaddset(&signaly, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signaly, nullptr);

    LatencniProxy proxy(host, cil, std::chrono::milliseconds(ms));
    proxy.priKonciSpojeni([](int cislo, const LatencniProxy::Pocty& p) {
        std::printf("connection %d: %lld round trips, %lld bytes to server, %lld bytes to "
                    "client\n",
                    cislo, static_cast<long long>(p.obratu),
                    static_cast<long long>(p.bajtuKServeru),
                    static_cast<long long>(p.bajtuKKlientovi));
        std::fflush(stdout);
    });
    std::string chyba;
    if (!proxy.spust(port, &chyba)) {
        std::fprintf(stderr, "latency_proxy: %s\n", chyba.c_str());
        return 1;
    }
    std::printf("127.0.0.1:%d -> %s:%d, %d ms each way\n", proxy.port(), host.c_str(), cil, ms);
    std::fflush(stdout);
    int signal = 0;
    sigwait(&signaly, &signal);
    proxy.zastav();
    const auto p = proxy.pocty();
    std::printf("total: %lld round trips, %lld bytes to server, %lld bytes to client\n",
                static_cast<long long>(p.obratu), static_cast<long long>(p.bajtuKServeru),
                static_cast<long long>(p.bajtuKKlientovi));
    return 0;
}
