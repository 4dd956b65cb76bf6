#include "latencniproxy.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <vector>

namespace {
using Hodiny = std::chrono::steady_clock;

// One chunk on its way; an empty chunk stands for the end of the stream.
struct Kus {
    Hodiny::time_point uvolnit;
    std::vector<char> data;
};

bool zapisVse(int fd, const char* data, size_t delka) {
    while (delka > 0) {
        ssize_t n = ::send(fd, data, delka, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        delka -= static_cast<size_t>(n);
    }
    return true;
}

// One direction of one connection: a reader that stamps each chunk on arrival and a
// writer that releases it when its time comes. Two threads so that a chunk arriving
// while an earlier one waits is stamped with its own arrival time.
struct Smer {
    std::mutex mutex;
    std::condition_variable cv;
    std::deque<Kus> fronta;
    std::thread ctenar, zapisovac;
};

void bezNagla(int fd) {
    // Small protocol packets must leave when the delay says so, not when Nagle allows.
    int jedna = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &jedna, sizeof jedna);
}
} // namespace

struct LatencniProxy::Spojeni {
    int cislo = 0;
    int klient = -1, server = -1;
    Smer kServeru, kKlientovi;
    // Set when data is released to the client; the client's next send is then a new turn.
    std::atomic<bool> klientPrijal = true;
    std::atomic<std::int64_t> obratu = 0, bajtuKServeru = 0, bajtuKKlientovi = 0;
    std::atomic<int> smeruBezi = 2;

    // Joins the four threads and closes both sockets.
    void uklid() {
        for (Smer* d : {&kServeru, &kKlientovi}) {
            d->ctenar.join();
            d->zapisovac.join();
        }
        ::close(klient);
        ::close(server);
    }
};

LatencniProxy::LatencniProxy(std::string cilovyHost, int cilovyPort,
                             std::chrono::milliseconds zpozdeni)
    : m_cilovyHost(std::move(cilovyHost)), m_cilovyPort(cilovyPort), m_zpozdeni(zpozdeni) {}

LatencniProxy::~LatencniProxy() {
    zastav();
}

bool LatencniProxy::spust(int port, std::string* chyba) {
    auto selhani = [&](const char* co) {
        if (chyba)
            *chyba = std::string(co) + ": " + std::strerror(errno);
        if (m_naslouchac >= 0)
            ::close(m_naslouchac);
        m_naslouchac = -1;
        return false;
    };
    m_naslouchac = ::socket(AF_INET, SOCK_STREAM, 0);
    if (m_naslouchac < 0)
        return selhani("socket");
    int jedna = 1;
    ::setsockopt(m_naslouchac, SOL_SOCKET, SO_REUSEADDR, &jedna, sizeof jedna);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(m_naslouchac, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0)
        return selhani("bind");
    if (::listen(m_naslouchac, 16) != 0)
        return selhani("listen");
    socklen_t delka = sizeof a;
    ::getsockname(m_naslouchac, reinterpret_cast<sockaddr*>(&a), &delka);
    m_port = ntohs(a.sin_port);
    m_bezi = true;
    m_prijimac = std::thread([this] { prijimej(); });
    return true;
}

void LatencniProxy::zastav() {
    if (!m_bezi.exchange(false))
        return;
    // shutdown() wakes the blocked accept() and recv() calls; close() alone may not.
    ::shutdown(m_naslouchac, SHUT_RDWR);
    m_prijimac.join();
    ::close(m_naslouchac);
    m_naslouchac = -1;
    std::list<std::unique_ptr<Spojeni>> spojeni;
    {
        std::lock_guard z(m_mutex);
        for (auto& s : m_spojeni) {
            ::shutdown(s->klient, SHUT_RDWR);
            ::shutdown(s->server, SHUT_RDWR);
        }
        spojeni.swap(m_spojeni);
    }
    for (auto& s : spojeni)
        s->uklid();
}

LatencniProxy::Pocty LatencniProxy::pocty() const {
    return {m_obratu.load(), m_kServeru.load(), m_kKlientovi.load()};
}

void LatencniProxy::prijimej() {
    for (;;) {
        int klient = ::accept(m_naslouchac, nullptr, nullptr);
        if (klient < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            return; // the listener was shut down
        }
        if (!m_bezi) {
            ::close(klient);
            return;
        }
        addrinfo rada{};
        rada.ai_family = AF_INET;
        rada.ai_socktype = SOCK_STREAM;
        addrinfo* cil = nullptr;
        const std::string port = std::to_string(m_cilovyPort);
        int server = -1;
        if (::getaddrinfo(m_cilovyHost.c_str(), port.c_str(), &rada, &cil) == 0) {
            server = ::socket(AF_INET, SOCK_STREAM, 0);
            if (server >= 0 && ::connect(server, cil->ai_addr, cil->ai_addrlen) != 0) {
                ::close(server);
                server = -1;
            }
            ::freeaddrinfo(cil);
        }
        if (server < 0) {
            ::close(klient);
            continue;
        }
        bezNagla(klient);
        bezNagla(server);
        auto s = std::make_unique<Spojeni>();
        s->klient = klient;
        s->server = server;
        Spojeni* p = s.get();
        {
            std::lock_guard z(m_mutex);
            // Connections that ended on both sides give back their threads and sockets,
            // so a proxy left running for a day does not pile them up.
            m_spojeni.remove_if([](const std::unique_ptr<Spojeni>& h) {
                if (h->smeruBezi > 0)
                    return false;
                h->uklid();
                return true;
            });
            s->cislo = ++m_pocetSpojeni;
            m_spojeni.push_back(std::move(s));
        }
        obsluz(p);
    }
}

void LatencniProxy::obsluz(Spojeni* s) {
    auto ctenar = [this, s](int zdroj, Smer* smer, bool odKlienta) {
        std::vector<char> buf(64 * 1024);
        for (;;) {
            ssize_t n = ::recv(zdroj, buf.data(), buf.size(), 0);
            if (n < 0 && errno == EINTR)
                continue;
            Kus k{Hodiny::now() + m_zpozdeni, {}};
            if (n > 0) {
                k.data.assign(buf.data(), buf.data() + n);
                if (odKlienta) {
                    if (s->klientPrijal.exchange(false)) {
                        ++s->obratu;
                        ++m_obratu;
                    }
                    s->bajtuKServeru += n;
                    m_kServeru += n;
                } else {
                    s->bajtuKKlientovi += n;
                    m_kKlientovi += n;
                }
            }
            {
                std::lock_guard z(smer->mutex);
                smer->fronta.push_back(std::move(k));
            }
            smer->cv.notify_one();
            if (n <= 0)
                return;
        }
    };
    auto zapisovac = [this, s](int cil, Smer* smer, bool kKlientovi) {
        bool funguje = true;
        for (;;) {
            Kus k;
            {
                std::unique_lock z(smer->mutex);
                smer->cv.wait(z, [&] { return !smer->fronta.empty(); });
                k = std::move(smer->fronta.front());
                smer->fronta.pop_front();
            }
            std::this_thread::sleep_until(k.uvolnit);
            if (k.data.empty()) {
                ::shutdown(cil, SHUT_WR); // the other side closed: pass the end on
                break;
            }
            if (!funguje)
                continue; // keep draining so the reader never blocks on a full queue
            // Before the write: once the client has the data it may answer at once.
            if (kKlientovi)
                s->klientPrijal = true;
            funguje = zapisVse(cil, k.data.data(), k.data.size());
        }
        if (--s->smeruBezi == 0 && m_priKonci)
            m_priKonci(s->cislo,
                       {s->obratu.load(), s->bajtuKServeru.load(), s->bajtuKKlientovi.load()});
    };
    s->kServeru.ctenar = std::thread(ctenar, s->klient, &s->kServeru, true);
    s->kServeru.zapisovac = std::thread(zapisovac, s->server, &s->kServeru, false);
    s->kKlientovi.ctenar = std::thread(ctenar, s->server, &s->kKlientovi, false);
    s->kKlientovi.zapisovac = std::thread(zapisovac, s->klient, &s->kKlientovi, true);
}
