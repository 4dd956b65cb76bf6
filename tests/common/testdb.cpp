#include "testdb.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QUuid>

int TestPort() {
    return qEnvironmentVariableIntValue("SMESI_TEST_PORT");
}
QString TestSqlDir() {
    return qEnvironmentVariable("SMESI_SQL_DIR");
}
QString TestToolsDir() {
    return qEnvironmentVariable("SMESI_TOOLS_DIR");
}

QString TestTmpDir() {
    QString koren = qEnvironmentVariable("SMESI_TEST_TMP");
    if (koren.isEmpty())
        koren = QDir::tempPath() + QStringLiteral("/smesi-test");
    QString d = koren + QLatin1Char('/') + QUuid::createUuid().toString(QUuid::Id128).left(12);
    QDir().mkpath(d);
    return d + QLatin1Char('/');
}

bool NactiSqlSoubor(const QString& databaze, const QString& soubor, QString* chyba) {
    QProcess p;
    p.setStandardInputFile(soubor);
    p.start(QStringLiteral("mariadb"),
            {QStringLiteral("--no-defaults"), QStringLiteral("-h127.0.0.1"),
             QStringLiteral("-P%1").arg(TestPort()), QStringLiteral("-uroot"),
             QStringLiteral("--default-character-set=utf8mb4"), databaze});
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        if (chyba)
            *chyba = QString::fromUtf8(p.readAllStandardError());
        return false;
    }
    return true;
}

namespace {
QString jmenoTestu() {
    QString j;
    if (const auto* info = ::testing::UnitTest::GetInstance()->current_test_info())
        j = QString::fromLatin1(info->name());
    j.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")), QStringLiteral("_"));
    return j.left(24).toLower();
}
} // namespace

TestDb::TestDb(bool sDaty) {
    static int citac = 0;
    m_jmeno = QStringLiteral("t%1_%2_%3")
                  .arg(QCoreApplication::applicationPid())
                  .arg(++citac)
                  .arg(jmenoTestu());
    Spojeni root;
    ParametrySpojeni p = parametry();
    p.databaze.clear();
    if (!root.pripoj(p))
        throw std::runtime_error("test server unreachable: " + root.chyba().toStdString());
    root.proved(QStringLiteral("drop database if exists `%1`").arg(m_jmeno));
    if (!root.proved(QStringLiteral("create database `%1`").arg(m_jmeno)))
        throw std::runtime_error(root.chyba().toStdString());
    QString chyba;
    if (!NactiSqlSoubor(m_jmeno, TestSqlDir() + QStringLiteral("/suite.sql"), &chyba))
        throw std::runtime_error("suite.sql: " + chyba.toStdString());
    if (sDaty && !NactiSqlSoubor(m_jmeno, TestSqlDir() + QStringLiteral("/demo.sql"), &chyba))
        throw std::runtime_error("demo.sql: " + chyba.toStdString());
    if (!m_spojeni.pripoj(parametry()))
        throw std::runtime_error(m_spojeni.chyba().toStdString());
    m_spojeni.proved(QStringLiteral("set @@session.sql_mode=\"\""));
    m_spojeni.proved(QStringLiteral("SET names cp1250;"));
}

TestDb::~TestDb() {
    m_spojeni.nastavMonitor({});
    m_spojeni.odpoj();
    Spojeni root;
    ParametrySpojeni p = parametry();
    p.databaze.clear();
    if (root.pripoj(p))
        root.proved(QStringLiteral("drop database if exists `%1`").arg(m_jmeno));
}

ParametrySpojeni TestDb::parametry() const {
    ParametrySpojeni p;
    p.host = QStringLiteral("127.0.0.1");
    p.port = TestPort();
    p.uzivatel = QStringLiteral("root");
    p.databaze = m_jmeno;
    return p;
}

QString TestDb::hodnota(const QString& sql) {
    Vysledek v;
    if (!m_spojeni.proved(sql, &v)) {
        ADD_FAILURE() << "SQL failed: " << sql.toStdString() << ": "
                      << m_spojeni.chyba().toStdString();
        return {};
    }
    return v.text(0, 0);
}

int TestDb::pocet(const QString& tabulka, const QString& podminka) {
    return hodnota(QStringLiteral("select count(*) from ") + tabulka +
                   (podminka.isEmpty() ? QString() : QStringLiteral(" where ") + podminka))
        .toInt();
}
