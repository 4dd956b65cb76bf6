#include "spojeni.h"

#include "kodovani.h"
#include "skript.h"

#include <QRegularExpression>
#include <errmsg.h>
#include <mysql.h>

#include <cstring>

Spojeni::Spojeni() = default;
// The monitor may belong to an owner that is already gone, so the last disconnect is silent.
Spojeni::~Spojeni() {
    m_monitor = nullptr;
    odpoj();
}

QString KategoriePrikazu(const QString& sql) {
    QString s = sql.trimmed().section(QLatin1Char(' '), 0, 0).toUpper();
    if (s.endsWith(QLatin1Char(';')))
        s.chop(1);
    if (s == QLatin1String("BEGIN") || s == QLatin1String("COMMIT") ||
        s == QLatin1String("ROLLBACK") ||
        sql.trimmed().toUpper().startsWith(QLatin1String("START TRANSACTION")))
        return QStringLiteral("Transaction");
    return QStringLiteral("Execute");
}

void Spojeni::zaznamenej(const QString& kategorie, const QString& text, bool chyba) {
    if (!m_monitor)
        return;
    UdalostSql u;
    u.cas = QDateTime::currentDateTime();
    u.kategorie = kategorie;
    u.text = text;
    u.chyba = chyba;
    if (chyba) {
        u.kod = m_kodChyby;
        u.zprava = m_chyba;
    }
    m_monitor(u);
}

void Spojeni::nastavChybu() {
    if (m_mysql) {
        m_kodChyby = mysql_errno(m_mysql);
        m_chyba = ZCp1250(QByteArray(mysql_error(m_mysql)));
    }
}

bool Spojeni::pripoj(const ParametrySpojeni& p) {
    odpoj();
    m_chyba.clear();
    m_kodChyby = 0;
    MYSQL* m = mysql_init(nullptr);
    if (!m) {
        m_chyba = QStringLiteral("Nedostatek paměti pro spojení s databází.");
        return false;
    }
    if (p.komprese)
        mysql_options(m, MYSQL_OPT_COMPRESS, nullptr);
    mysql_options(m, MYSQL_SET_CHARSET_NAME, "cp1250");
    unsigned int limit = static_cast<unsigned>(p.casovyLimitS);
    mysql_options(m, MYSQL_OPT_CONNECT_TIMEOUT, &limit);
    // The suite's "localhost" means the TCP port on this machine, as on the workstations,
    // never a local socket that ignores the configured port.
    QString host = p.host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0
                       ? QStringLiteral("127.0.0.1")
                       : p.host;
    QByteArray h = DoCp1250Ztratove(host), u = DoCp1250Ztratove(p.uzivatel),
               pw = DoCp1250Ztratove(p.heslo), db = DoCp1250Ztratove(p.databaze);
    ++m_pocetPrikazu;
    // Multi-statements stay on for the whole connection: a script then costs one round
    // trip, not three (switching on and off again around it). Single statements are
    // checked on this side instead, so that no text passed as one statement carries another.
    const QString popis =
        QStringLiteral("CONNECT TO \"%1\" AS USER \"%2\"").arg(p.databaze, p.uzivatel);
    if (!mysql_real_connect(m, h.constData(), u.constData(), pw.constData(),
                            db.isEmpty() ? nullptr : db.constData(), static_cast<unsigned>(p.port),
                            nullptr, CLIENT_MULTI_STATEMENTS)) {
        m_kodChyby = mysql_errno(m);
        m_chyba = ZCp1250(QByteArray(mysql_error(m)));
        mysql_close(m);
        zaznamenej(QStringLiteral("Connect"), popis, true);
        return false;
    }
    m_mysql = m;
    m_port = p.port;
    zaznamenej(QStringLiteral("Connect"), popis, false);
    return true;
}

void Spojeni::odpoj() {
    if (!m_mysql)
        return;
    mysql_close(m_mysql);
    m_mysql = nullptr;
    zaznamenej(QStringLiteral("Disconnect"), QStringLiteral("DISCONNECT"), false);
}

bool Spojeni::zakoduj(const QString& sql, QByteArray& b) {
    QString chyba;
    if (!DoCp1250(sql, b, &chyba)) {
        m_kodChyby = 0;
        m_chyba = chyba;
        zaznamenej(KategoriePrikazu(sql), sql, true);
        return false;
    }
    return true;
}

static TypPole typZMetadat(const MYSQL_FIELD& f) {
    switch (f.type) {
    case MYSQL_TYPE_TINY:
    case MYSQL_TYPE_SHORT:
    case MYSQL_TYPE_LONG:
    case MYSQL_TYPE_INT24:
    case MYSQL_TYPE_LONGLONG:
    case MYSQL_TYPE_YEAR:
    case MYSQL_TYPE_BIT:
        return TypPole::Cele;
    case MYSQL_TYPE_DECIMAL:
    case MYSQL_TYPE_NEWDECIMAL:
    case MYSQL_TYPE_FLOAT:
    case MYSQL_TYPE_DOUBLE:
        return TypPole::Cislo;
    case MYSQL_TYPE_DATE:
    case MYSQL_TYPE_NEWDATE:
        return TypPole::Datum;
    case MYSQL_TYPE_DATETIME:
    case MYSQL_TYPE_TIMESTAMP:
        return TypPole::DatumCas;
    case MYSQL_TYPE_TIME:
        return TypPole::Cas;
    case MYSQL_TYPE_TINY_BLOB:
    case MYSQL_TYPE_MEDIUM_BLOB:
    case MYSQL_TYPE_LONG_BLOB:
    case MYSQL_TYPE_BLOB:
        return f.charsetnr == 63 ? TypPole::Binarni : TypPole::Memo;
    default:
        return f.charsetnr == 63 && (f.flags & BINARY_FLAG) && f.type != MYSQL_TYPE_STRING &&
                       f.type != MYSQL_TYPE_VAR_STRING
                   ? TypPole::Binarni
                   : TypPole::Text;
    }
}

bool Spojeni::nactiVysledek(Vysledek* vysledek, bool* meloPole) {
    MYSQL_RES* res = mysql_store_result(m_mysql);
    *meloPole = res != nullptr;
    if (!res)
        return mysql_field_count(m_mysql) == 0;
    if (vysledek) {
        *vysledek = Vysledek();
        unsigned n = mysql_num_fields(res);
        MYSQL_FIELD* pole = mysql_fetch_fields(res);
        for (unsigned i = 0; i < n; ++i) {
            PolePopis p;
            p.jmeno =
                ZCp1250(QByteArray(pole[i].name, static_cast<qsizetype>(pole[i].name_length)));
            p.typ = typZMetadat(pole[i]);
            // Text widths arrive in bytes of the connection's character set (one per char).
            unsigned long delka = pole[i].length;
            if (p.typ == TypPole::Cislo && pole[i].decimals < 31)
                p.desetin = static_cast<int>(pole[i].decimals);
            p.delka = static_cast<int>(std::min<unsigned long>(delka, 1u << 30));
            vysledek->pridejPole(std::move(p));
        }
        vysledek->prevezmi(res);
        return true;
    }
    mysql_free_result(res);
    return true;
}

// A stored program's definition is one statement whose body holds ";" of its own.
static bool jeSlozeny(const QString& sql) {
    static const QRegularExpression definice(
        QStringLiteral("^\\s*create\\s+(or\\s+replace\\s+)?(definer\\s*=\\s*\\S+\\s+)?"
                       "(procedure|function|trigger|event)\\b|^\\s*begin\\s+not\\s+atomic\\b"),
        QRegularExpression::CaseInsensitiveOption);
    return definice.match(sql).hasMatch();
}

bool Spojeni::proved(const QString& sql, Vysledek* vysledek) {
    m_chyba.clear();
    m_kodChyby = 0;
    if (!m_mysql) {
        m_chyba = QStringLiteral("Spojení s databází není otevřeno.");
        zaznamenej(KategoriePrikazu(sql), sql, true);
        return false;
    }
    if (!jeSlozeny(sql) && SkriptovyProcesor::RozdelPrikazy(sql).size() > 1) {
        m_chyba = QStringLiteral("Text jednoho příkazu SQL obsahuje více příkazů; neodeslán.");
        zaznamenej(KategoriePrikazu(sql), sql, true);
        return false;
    }
    QByteArray b;
    if (!zakoduj(sql, b))
        return false;
    ++m_pocetPrikazu;
    if (mysql_real_query(m_mysql, b.constData(), static_cast<unsigned long>(b.size())) != 0) {
        nastavChybu();
        zaznamenej(KategoriePrikazu(sql), sql, true);
        return false;
    }
    bool meloPole = false;
    bool ok = nactiVysledek(vysledek, &meloPole);
    // A CALL sends a result per SELECT of the procedure plus its own status; all are read
    // so that the connection is ready for the next statement. The first set is kept.
    while (ok && mysql_more_results(m_mysql)) {
        int r = mysql_next_result(m_mysql);
        if (r > 0) {
            ok = false;
            break;
        }
        if (r < 0)
            break;
        bool dalsi = false;
        Vysledek zahodit;
        ok = nactiVysledek(meloPole ? &zahodit : vysledek, &dalsi);
        meloPole = meloPole || dalsi;
    }
    if (!ok) {
        nastavChybu();
        zaznamenej(KategoriePrikazu(sql), sql, true);
        return false;
    }
    if (vysledek && !meloPole)
        *vysledek = Vysledek();
    zaznamenej(KategoriePrikazu(sql), sql, false);
    return true;
}

static bool jeCall(const QString& sql) {
    return sql.trimmed().left(5).compare(QLatin1String("call "), Qt::CaseInsensitive) == 0 ||
           sql.trimmed().left(5).compare(QLatin1String("call("), Qt::CaseInsensitive) == 0;
}

bool Spojeni::provedVice(const QStringList& prikazy, int* chybny, Vysledek* vysledek,
                         QList<Vysledek>* kazdy) {
    m_chyba.clear();
    m_kodChyby = 0;
    if (chybny)
        *chybny = -1;
    if (kazdy)
        kazdy->clear();
    if (prikazy.isEmpty())
        return true;
    if (!m_mysql) {
        m_chyba = QStringLiteral("Spojení s databází není otevřeno.");
        if (chybny)
            *chybny = 0;
        zaznamenej(KategoriePrikazu(prikazy.first()), prikazy.first(), true);
        return false;
    }
    QByteArray vse;
    for (int i = 0; i < prikazy.size(); ++i) {
        QByteArray b;
        if (!zakoduj(prikazy[i], b)) {
            if (chybny)
                *chybny = i;
            return false;
        }
        vse += b;
        // The separator goes on a line of its own: a statement may end in a "--" or "#"
        // comment, which would swallow a ";" on its last line and merge the next statement.
        if (!b.trimmed().endsWith(';'))
            vse += "\n;";
        vse += '\n';
    }
    ++m_pocetPrikazu;
    int i = 0;
    bool neuplne = false;
    bool ok =
        mysql_real_query(m_mysql, vse.constData(), static_cast<unsigned long>(vse.size())) == 0;
    while (ok) {
        // Every result of statement i; a CALL sends one per SELECT and ends with a status.
        Vysledek prvni;
        bool prvniMaPole = false;
        for (;;) {
            bool meloPole = false;
            Vysledek v;
            if (!nactiVysledek(&v, &meloPole)) {
                ok = false;
                break;
            }
            if (meloPole && !prvniMaPole && kazdy) {
                prvni = v;
                prvniMaPole = true;
            }
            if (meloPole && vysledek)
                *vysledek = std::move(v);
            if (!(meloPole && jeCall(prikazy[i])))
                break;
            int r = mysql_next_result(m_mysql);
            if (r > 0)
                ok = false;
            if (r != 0)
                break;
        }
        if (!ok)
            break;
        if (kazdy)
            kazdy->append(std::move(prvni));
        zaznamenej(KategoriePrikazu(prikazy[i]), prikazy[i], false);
        ++i;
        if (i >= prikazy.size())
            break;
        if (!mysql_more_results(m_mysql)) {
            // The server answered fewer statements than were sent: the link lost the rest
            // of the text on the way, and what did not run must not count as done.
            ok = false;
            neuplne = true;
            break;
        }
        int r = mysql_next_result(m_mysql);
        if (r > 0)
            ok = false;
        if (r != 0)
            break;
    }
    if (!ok) {
        if (neuplne) {
            m_kodChyby = CR_SERVER_LOST;
            m_chyba = QStringLiteral("Spojení s databází bylo přerušeno: server provedl jen "
                                     "%1 z %2 příkazů.")
                          .arg(i)
                          .arg(prikazy.size());
        } else {
            nastavChybu();
        }
        if (i >= prikazy.size())
            i = static_cast<int>(prikazy.size()) - 1;
        if (chybny)
            *chybny = i;
        zaznamenej(KategoriePrikazu(prikazy[i]), prikazy[i], true);
        // Drain whatever the server still holds so the connection stays usable.
        while (mysql_more_results(m_mysql) && mysql_next_result(m_mysql) == 0) {
            if (MYSQL_RES* r = mysql_store_result(m_mysql))
                mysql_free_result(r);
        }
        return false;
    }
    return true;
}

bool Spojeni::provedSBinarnim(const QString& sql, const QByteArray& data) {
    m_chyba.clear();
    m_kodChyby = 0;
    if (!m_mysql) {
        m_chyba = QStringLiteral("Spojení s databází není otevřeno.");
        return false;
    }
    QByteArray b;
    if (!zakoduj(sql, b))
        return false;
    MYSQL_STMT* st = mysql_stmt_init(m_mysql);
    if (!st) {
        nastavChybu();
        return false;
    }
    auto chyba = [&]() {
        m_kodChyby = mysql_stmt_errno(st);
        m_chyba = ZCp1250(QByteArray(mysql_stmt_error(st)));
        mysql_stmt_close(st);
        zaznamenej(KategoriePrikazu(sql), sql, true);
        return false;
    };
    ++m_pocetPrikazu;
    if (mysql_stmt_prepare(st, b.constData(), static_cast<unsigned long>(b.size())) != 0)
        return chyba();
    MYSQL_BIND bind;
    std::memset(&bind, 0, sizeof bind);
    unsigned long delka = static_cast<unsigned long>(data.size());
    bind.buffer_type = MYSQL_TYPE_LONG_BLOB;
    bind.buffer = const_cast<char*>(data.constData());
    bind.buffer_length = delka;
    bind.length = &delka;
    if (mysql_stmt_bind_param(st, &bind) != 0)
        return chyba();
    ++m_pocetPrikazu;
    if (mysql_stmt_execute(st) != 0)
        return chyba();
    mysql_stmt_close(st);
    zaznamenej(KategoriePrikazu(sql), sql, false);
    return true;
}
