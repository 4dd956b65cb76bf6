#include "nezavislyctenar.h"

#include <QJsonDocument>
#include <QProcess>

namespace {
// Numeric fields come back as the text stored in the file, so that values of 19 digits are
// compared exactly; the reader's own number parser still has to accept every one of them.
const char* const Skript = R"py(
import json, sys
import dbfread
from dbfread import FieldParser

class Parser(FieldParser):
    def parseN(self, field, data):
        FieldParser.parseN(self, field, data)
        t = data.strip()
        return t.decode('ascii') if t else None

def hodnota(x):
    if x is None or isinstance(x, str):
        return x
    if isinstance(x, bool):
        return 'T' if x else 'F'
    if hasattr(x, 'isoformat'):
        return x.isoformat()
    return str(x)

t = dbfread.DBF(sys.argv[1], encoding='cp1250', lowernames=True, parserclass=Parser,
                char_decode_errors='strict')
vystup = {
    'pole': [[f.name, f.type, f.length, f.decimal_count] for f in t.fields],
    'zaznamy': [{k: hodnota(v) for k, v in r.items()} for r in t],
    'smazanych': sum(1 for _ in t.deleted),
}
print(json.dumps(vystup))
)py";
} // namespace

CteniDbfread PrectiNezavisle(const QString& cesta) {
    CteniDbfread c;
    QString python = QStringLiteral(SMESI_PYTHON_DBFREAD);
    if (python.isEmpty()) {
        c.chyba = QStringLiteral("no python3 with dbfread was found when the build was configured");
        return c;
    }
    QProcess p;
    p.start(python, {QStringLiteral("-c"), QString::fromUtf8(Skript), cesta});
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        c.chyba = QString::fromUtf8(p.readAllStandardError()) + p.errorString();
        return c;
    }
    QJsonParseError e;
    QJsonDocument d = QJsonDocument::fromJson(p.readAllStandardOutput(), &e);
    if (!d.isObject()) {
        c.chyba = e.errorString();
        return c;
    }
    QJsonObject o = d.object();
    c.pole = o.value(QStringLiteral("pole")).toArray();
    for (const QJsonValue& z : o.value(QStringLiteral("zaznamy")).toArray())
        c.zaznamy.push_back(z.toObject());
    c.smazanych = o.value(QStringLiteral("smazanych")).toInt();
    c.ok = true;
    return c;
}
