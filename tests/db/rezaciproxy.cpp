#include "rezaciproxy.h"

#include "skript.h"

#include <QByteArray>
#include <QString>

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
constexpr unsigned char ComQuery = 0x03;
// After the cut script the connection lives on until the server has been quiet this long.
constexpr int TichoMs = 150;

bool posliVse(int fd, const char* data, size_t delka) {
    while (delka > 0) {
        const ssize_t n = ::send(fd, data, delka, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        delka -= static_cast<size_t>(n);
    }
    return true;
}

QByteArray paket(const QByteArray& obsah, unsigned char cislo) {
    QByteArray p;
    const auto n = static_cast<quint32>(obsah.size());
    p.append(static_cast<char>(n & 0xff));
    p.append(static_cast<char>((n >> 8) & 0xff));
    p.append(static_cast<char>((n >> 16) & 0xff));
    p.append(static_cast<char>(cislo));
    return p + obsah;
}

// The first k statements of the script, as one text the server runs statement by statement.
// Latin-1 keeps every byte of the Windows-1250 text, and the splitter only looks at ASCII.
QByteArray prvniPrikazy(const QByteArray& skript, int k) {
    const QStringList prikazy = SkriptovyProcesor::RozdelPrikazy(QString::fromLatin1(skript));
    QByteArray text;
    for (int i = 0; i < k && i < prikazy.size(); ++i)
        text += prikazy[i].toLatin1() + "\n;\n";
    return text;
}
} // namespace

RezaciProxy::~RezaciProxy() {
    m_bezi = false;
    if (m_naslouchac >= 0) {
        ::shutdown(m_naslouchac, SHUT_RDWR);
        ::close(m_naslouchac);
    }
    if (m_prijimac.joinable())
        m_prijimac.join();
    std::lock_guard zamek(m_mutex);
    for (std::thread& t : m_vlakna)
        t.join();
}

bool RezaciProxy::spust(std::string* chyba) {
    m_naslouchac = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t delka = sizeof a;
    if (m_naslouchac < 0 || ::bind(m_naslouchac, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
        ::listen(m_naslouchac, 16) != 0 ||
        ::getsockname(m_naslouchac, reinterpret_cast<sockaddr*>(&a), &delka) != 0) {
        if (chyba)
            *chyba = std::strerror(errno);
        return false;
    }
    m_port = ntohs(a.sin_port);
    m_bezi = true;
    m_prijimac = std::thread([this] { prijimej(); });
    return true;
}

void RezaciProxy::prijimej() {
    while (m_bezi) {
        pollfd p{m_naslouchac, POLLIN, 0};
        if (::poll(&p, 1, 100) <= 0)
            continue;
        const int klient = ::accept(m_naslouchac, nullptr, nullptr);
        if (klient < 0)
            continue;
        std::lock_guard zamek(m_mutex);
        m_vlakna.emplace_back([this, klient] { obsluz(klient); });
    }
}

void RezaciProxy::obsluz(int klient) {
    const int server = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(static_cast<uint16_t>(m_cilovyPort));
    if (server < 0 || ::connect(server, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        ::close(klient);
        if (server >= 0)
            ::close(server);
        return;
    }
    const int jedna = 1;
    ::setsockopt(server, IPPROTO_TCP, TCP_NODELAY, &jedna, sizeof jedna);
    ::setsockopt(klient, IPPROTO_TCP, TCP_NODELAY, &jedna, sizeof jedna);

    QByteArray odKlienta; // bytes of a packet not yet complete
    bool rezano = false;
    auto posledniOdpoved = std::chrono::steady_clock::now();
    char buf[65536];
    while (m_bezi) {
        pollfd p[2] = {{klient, POLLIN, 0}, {server, POLLIN, 0}};
        const int r = ::poll(p, 2, 20);
        if (r < 0 && errno != EINTR)
            break;
        if (rezano) {
            // The server answers the statements that got through; the answers go nowhere.
            if (p[1].revents & (POLLIN | POLLHUP | POLLERR)) {
                const ssize_t n = ::recv(server, buf, sizeof buf, 0);
                if (n <= 0)
                    break;
                if (m_odpovediProjdou)
                    posliVse(klient, buf, static_cast<size_t>(n));
                posledniOdpoved = std::chrono::steady_clock::now();
            }
            if (std::chrono::steady_clock::now() - posledniOdpoved >
                std::chrono::milliseconds(TichoMs))
                break;
            continue;
        }
        if (p[1].revents & (POLLIN | POLLHUP | POLLERR)) {
            const ssize_t n = ::recv(server, buf, sizeof buf, 0);
            if (n <= 0 || !posliVse(klient, buf, static_cast<size_t>(n)))
                break;
        }
        if (p[0].revents & (POLLIN | POLLHUP | POLLERR)) {
            const ssize_t n = ::recv(klient, buf, sizeof buf, 0);
            if (n <= 0)
                break;
            odKlienta.append(buf, n);
            bool chyba = false;
            while (odKlienta.size() >= 4) {
                const auto* h = reinterpret_cast<const unsigned char*>(odKlienta.constData());
                const qsizetype delka = h[0] | (h[1] << 8) | (h[2] << 16);
                if (odKlienta.size() < 4 + delka)
                    break;
                const QByteArray cely = odKlienta.left(4 + delka);
                odKlienta.remove(0, 4 + delka);
                const int k = m_rez;
                const QByteArray obsah = cely.mid(4);
                if (k > 0 && h[3] == 0 && !obsah.isEmpty() &&
                    static_cast<unsigned char>(obsah[0]) == ComQuery &&
                    obsah.mid(1).trimmed().startsWith("BEGIN")) {
                    m_rez = 0;
                    const QByteArray zbytek = prvniPrikazy(obsah.mid(1), k);
                    m_odeslano = static_cast<int>(
                        SkriptovyProcesor::RozdelPrikazy(QString::fromLatin1(zbytek)).size());
                    const QByteArray novy =
                        paket(QByteArray(1, static_cast<char>(ComQuery)) + zbytek, 0);
                    chyba = !posliVse(server, novy.constData(), static_cast<size_t>(novy.size()));
                    rezano = true;
                    posledniOdpoved = std::chrono::steady_clock::now();
                    break;
                }
                if (!posliVse(server, cely.constData(), static_cast<size_t>(cely.size()))) {
                    chyba = true;
                    break;
                }
            }
            if (chyba)
                break;
        }
    }
    // Both sides go at once: the server sees its client vanish with the transaction open.
    ::shutdown(klient, SHUT_RDWR);
    ::shutdown(server, SHUT_RDWR);
    ::close(klient);
    ::close(server);
}
