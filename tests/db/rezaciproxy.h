#pragma once
// A loopback proxy in front of the test server that loses the link in the middle of a
// script: the next script it sees (a query beginning with "BEGIN") reaches the server with
// only its first k statements, as if the line had gone down after the server ran them, and
// the connection is closed once the server has answered them. The answers are lost with the
// link: the client sees its connection end while it waits for them. Everything else passes
// unchanged. It reads the client's packets, so the client must not use compression.
#include <atomic>
#include <list>
#include <mutex>
#include <string>
#include <thread>

class RezaciProxy {
public:
    explicit RezaciProxy(int cilovyPort) : m_cilovyPort(cilovyPort) {}
    ~RezaciProxy();
    RezaciProxy(const RezaciProxy&) = delete;
    RezaciProxy& operator=(const RezaciProxy&) = delete;

    bool spust(std::string* chyba);
    int port() const { return m_port; }
    // Arms the cut for the next script; k >= 1. With `odpovediProjdou` the answers to the k
    // statements still reach the client before the link ends, so it sees a complete,
    // shorter conversation instead of a dead one.
    void nastavRez(int k, bool odpovediProjdou = false) {
        m_odpovediProjdou = odpovediProjdou;
        m_rez = k;
    }
    // Statements the last cut script still carried (0 before the first cut).
    int odeslanoPrikazu() const { return m_odeslano; }

private:
    void prijimej();
    void obsluz(int klient);

    int m_cilovyPort;
    int m_port = 0;
    int m_naslouchac = -1;
    std::atomic<bool> m_bezi = false;
    std::atomic<int> m_rez = 0;
    std::atomic<bool> m_odpovediProjdou = false;
    std::atomic<int> m_odeslano = 0;
    std::thread m_prijimac;
    std::mutex m_mutex;
    std::list<std::thread> m_vlakna;
};
