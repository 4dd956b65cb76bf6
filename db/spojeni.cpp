#include "spojeni.h"

#include "kodovani.h"

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
    const QString popis =
        QStringLiteral("CONNECT TO \"%1\" AS USER \"%2\"").arg(p.databaze, p.uzivatel);
    if (!mysql_real_connect(m, h.constData(), u.constData(), pw.constData(),
                            db.isEmpty() ? nullptr : db.constData(), static_cast<unsigned>(p.port),
                            nullptr, 0)) {
        m_kodChyby = mysql_errno(m);
        m_chyba = ZCp1250(QByteArray(mysql_error(m)));
        mysql_close(m);
        zaznamenej(QStringLiteral("Connect"), popis, true);
        return false;
    }
    m_mysql = m;
    m_port = p.port;
    m_viceZapnuto = false;
    zaznamenej(QStringLiteral("Connect"), popis, false);
    return true;
}

void Spojeni::odpoj() {
    if (!m_mysql)
        return;
    mysql_close(m_mysql);
    m_mysql = nullptr;
    m_viceZapnuto = false;
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

bool Spojeni::vypniVice() {
    if (!m_viceZapnuto)
        return true;
    ++m_pocetPrikazu;
    if (mysql_set_server_option(m_mysql, MYSQL_OPTION_MULTI_STATEMENTS_OFF) != 0) {
        nastavChybu();
        zaznamenej(QStringLiteral("Other"), QStringLiteral("SET OPTION MULTI_STATEMENTS OFF"), true);
        return false;
    }
    m_viceZapnuto = false;
    zaznamenej(QStringLiteral("Other"), QStringLiteral("SET OPTION MULTI_STATEMENTS OFF"), false);
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

bool Spojeni::proved(const QString& sql, Vysledek* vysledek) {
    m_chyba.clear();
    m_kodChyby = 0;
    if (!m_mysql) {
        m_chyba = QStringLiteral("Spojení s databází není otevřeno.");
        zaznamenej(KategoriePrikazu(sql), sql, true);
        return false;
    }
    QByteArray b;
    if (!zakoduj(sql, b))
        return false;
    if (!vypniVice()) {
        zaznamenej(KategoriePrikazu(sql), sql, true);
        return false;
    }
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

bool Spojeni::provedVice(const QStringList& prikazy, int* chybny, Vysledek* vysledek) {
    m_chyba.clear();
    m_kodChyby = 0;
    if (chybny)
        *chybny = -1;
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
    // Switched off again lazily before the next single statement, so a script costs two
    // round trips: the switch and the script itself.
    if (!m_viceZapnuto) {
        ++m_pocetPrikazu;
        if (mysql_set_server_option(m_mysql, MYSQL_OPTION_MULTI_STATEMENTS_ON) != 0) {
            nastavChybu();
            if (chybny)
                *chybny = 0;
            zaznamenej(KategoriePrikazu(prikazy.first()), prikazy.first(), true);
            return false;
        }
        m_viceZapnuto = true;
        zaznamenej(QStringLiteral("Other"), QStringLiteral("SET OPTION MULTI_STATEMENTS ON"),
                   false);
    }
    ++m_pocetPrikazu;
    int i = 0;
    bool ok =
        mysql_real_query(m_mysql, vse.constData(), static_cast<unsigned long>(vse.size())) == 0;
    while (ok) {
        // Every result of statement i; a CALL sends one per SELECT and ends with a status.
        for (;;) {
            bool meloPole = false;
            Vysledek v;
            if (!nactiVysledek(&v, &meloPole)) {
                ok = false;
                break;
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
        zaznamenej(KategoriePrikazu(prikazy[i]), prikazy[i], false);
        ++i;
        if (i >= prikazy.size() || !mysql_more_results(m_mysql))
            break;
        int r = mysql_next_result(m_mysql);
        if (r > 0)
            ok = false;
        if (r != 0)
            break;
    }
    if (!ok) {
        nastavChybu();
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
    if (!zakoduj(sql, b) || !vypniVice())
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
