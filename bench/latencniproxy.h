#pragma once
// A loopback TCP proxy that makes a fast local server look like one behind a slow link:
// every chunk of data is released towards the other side a fixed delay after it arrived,
// in order (the delay is per chunk, not per byte, so bandwidth stays unlimited and only
// latency is added). It counts the client's turns: each time the client sends after it
// has received something, plus its first send. A turn is one round trip over the link.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

class LatencniProxy {
public:
    struct Pocty {
        std::int64_t obratu = 0;          // the client's turns (round trips)
        std::int64_t bajtuKServeru = 0;   // client -> server
        std::int64_t bajtuKKlientovi = 0; // server -> client
        Pocty operator-(const Pocty& o) const {
            return {obratu - o.obratu, bajtuKServeru - o.bajtuKServeru,
                    bajtuKKlientovi - o.bajtuKKlientovi};
        }
    };

    LatencniProxy(std::string cilovyHost, int cilovyPort, std::chrono::milliseconds zpozdeni);
    ~LatencniProxy();
    LatencniProxy(const LatencniProxy&) = delete;
    LatencniProxy& operator=(const LatencniProxy&) = delete;

    // Listens on 127.0.0.1:port (0 = any free port); false with *chyba on failure.
    bool spust(int port, std::string* chyba);
    // Closes the listener and every connection and waits for their threads.
    void zastav();
    int port() const { return m_port; }

    // Totals over every connection so far (closed ones included).
    Pocty pocty() const;
    // Called from a proxy thread when a connection has ended on both sides.
    void priKonciSpojeni(std::function<void(int cislo, const Pocty&)> f) {
        m_priKonci = std::move(f);
    }

private:
    struct Spojeni;
    void prijimej();
    void obsluz(Spojeni* s);

    std::string m_cilovyHost;
    int m_cilovyPort;
    std::chrono::milliseconds m_zpozdeni;
    int m_naslouchac = -1;
    int m_port = 0;
    std::atomic<bool> m_bezi = false;
    std::thread m_prijimac;

    mutable std::mutex m_mutex; // guards m_spojeni and the counters below
    std::list<std::unique_ptr<Spojeni>> m_spojeni;
    int m_pocetSpojeni = 0;
    std::atomic<std::int64_t> m_obratu = 0, m_kServeru = 0, m_kKlientovi = 0;
    std::function<void(int, const Pocty&)> m_priKonci;
};
