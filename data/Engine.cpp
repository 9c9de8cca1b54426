#include "data/Engine.h"
#include "data/Dataset.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstring>

using namespace Firebird;

namespace db {

IMaster* master()
{
    static IMaster* m = fb_get_master_interface();
    return m;
}

namespace {

IProvider* provider()
{
    static IProvider* p = master()->getDispatcher();
    return p;
}

constexpr int kJulianOffset = 2400001; // engine dates count days from 17 Nov 1858

qint64 pow10(int n)
{
    qint64 r = 1;
    while (n-- > 0) r *= 10;
    return r;
}

QString scaledText(qint64 v, int scale)
{
    if (scale >= 0) return QString::number(v * pow10(scale));
    const qint64 p = pow10(-scale);
    const bool neg = v < 0;
    const quint64 a = neg ? quint64(0) - quint64(v) : quint64(v);
    QString s = QString::number(a / quint64(p)) + u'.' +
                QString::number(a % quint64(p)).rightJustified(-scale, u'0');
    return neg ? u'-' + s : s;
}

// An integer at the column's scale from an integer at another scale.
qint64 rescale(qint64 v, int from, int to)
{
    if (from == to) return v;
    if (from > to) return v * pow10(from - to);
    const qint64 p = pow10(to - from);
    const qint64 q = v / p, r = v % p;
    return q + ((2 * std::llabs(r) >= p) ? (v < 0 ? -1 : 1) : 0);
}

Value numberFromText(const QString& t, const QString& column)
{
    const QString s = t.trimmed();
    if (s.isEmpty()) return Value::null();
    static const QRegularExpression re(QStringLiteral("^([+-]?)(\\d{0,18})(?:[.,](\\d{0,18}))?$"));
    const QRegularExpressionMatch m = re.match(s);
    if (!m.hasMatch() || (m.captured(2).isEmpty() && m.captured(3).isEmpty()))
        throw Error(QStringLiteral("'%1' não é um valor numérico válido para %2").arg(t, column));
    const QString frac = m.captured(3);
    const qint64 v = m.captured(2).toLongLong() * pow10(int(frac.size())) + frac.toLongLong();
    return Value::ofInt(m.captured(1) == u"-" ? -v : v, -int(frac.size()));
}

bool identChar(QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'$'; }

} // namespace

QString statusText(const IStatus* status)
{
    char buf[2048];
    master()->getUtilInterface()->formatStatus(buf, sizeof buf, const_cast<IStatus*>(status));
    return QString::fromLocal8Bit(buf).trimmed();
}

// ---- values ---------------------------------------------------------------

QString Value::asText() const
{
    switch (kind) {
    case Null: return {};
    case Int: return scaledText(i, scale);
    case Float: return QString::number(f);
    case Text: return text;
    case Date: return date.toString(QStringLiteral("dd/MM/yyyy"));
    }
    return {};
}

qint64 Value::asInteger() const
{
    switch (kind) {
    case Null: return 0;
    case Int: return rescale(i, scale, 0);
    case Float: return qint64(std::llround(f));
    case Text: {
        bool ok = false;
        const qint64 v = text.trimmed().toLongLong(&ok);
        if (!ok) throw Error(QStringLiteral("'%1' não é um número inteiro válido").arg(text));
        return v;
    }
    case Date: throw Error(QStringLiteral("Uma data não pode ser lida como número"));
    }
    return 0;
}

QDate Value::asDate() const
{
    switch (kind) {
    case Date: return date;
    case Text: return dateFromText(text).date;
    case Null: return {};
    default: throw Error(QStringLiteral("'%1' não é uma data válida").arg(asText()));
    }
}

Value dateFromText(const QString& text)
{
    QString bare = text;
    bare.remove(u' ').remove(u'/').remove(u'_');
    if (bare.isEmpty()) return Value::null();
    const QString t = text.trimmed();
    const QStringList parts = t.split(u'/');
    if (parts.size() == 3) {
        bool okD = false, okM = false, okY = false;
        const int d = parts[0].trimmed().toInt(&okD);
        const int m = parts[1].trimmed().toInt(&okM);
        int y = parts[2].trimmed().toInt(&okY);
        if (okY && parts[2].trimmed().size() <= 2) y += (y < 50 ? 2000 : 1900);
        const QDate date(y, m, d);
        if (okD && okM && okY && date.isValid()) return Value::ofDate(date);
    }
    throw Error(QStringLiteral("'%1' não é uma data válida").arg(text));
}

// ---- messages ---------------------------------------------------------------

Layout Layout::from(IMessageMetadata* meta)
{
    Layout l;
    Status st;
    guarded([&] {
        const unsigned n = meta->getCount(&st);
        l.columns.reserve(n);
        for (unsigned i = 0; i < n; ++i) {
            Column c;
            const char* alias = meta->getAlias(&st, i);
            const char* field = meta->getField(&st, i);
            c.name = QString::fromLatin1(alias && *alias ? alias : field);
            c.type = meta->getType(&st, i);
            c.subType = meta->getSubType(&st, i);
            c.length = meta->getLength(&st, i);
            c.scale = meta->getScale(&st, i);
            c.offset = meta->getOffset(&st, i);
            c.nullOffset = meta->getNullOffset(&st, i);
            l.columns.push_back(c);
        }
        l.length = meta->getMessageLength(&st);
    });
    return l;
}

int Layout::indexOf(const QString& name) const
{
    for (size_t i = 0; i < columns.size(); ++i)
        if (columns[i].name.compare(name, Qt::CaseInsensitive) == 0) return int(i);
    return -1;
}

Value decode(const Column& c, const unsigned char* msg)
{
    short ind;
    std::memcpy(&ind, msg + c.nullOffset, sizeof ind);
    if (ind != 0) return Value::null();
    const unsigned char* p = msg + c.offset;
    switch (c.type) {
    case SQL_VARYING: {
        unsigned short len;
        std::memcpy(&len, p, sizeof len);
        return Value::ofText(QString::fromLatin1(reinterpret_cast<const char*>(p) + 2, len));
    }
    case SQL_TEXT: {
        unsigned len = c.length;
        while (len > 0 && p[len - 1] == ' ') --len;
        return Value::ofText(QString::fromLatin1(reinterpret_cast<const char*>(p), len));
    }
    case SQL_SHORT: { qint16 v; std::memcpy(&v, p, sizeof v); return Value::ofInt(v, c.scale); }
    case SQL_LONG: { qint32 v; std::memcpy(&v, p, sizeof v); return Value::ofInt(v, c.scale); }
    case SQL_INT64: { qint64 v; std::memcpy(&v, p, sizeof v); return Value::ofInt(v, c.scale); }
    case SQL_BOOLEAN: return Value::ofInt(*p ? 1 : 0);
    case SQL_FLOAT: { float v; std::memcpy(&v, p, sizeof v); Value x; x.kind = Value::Float; x.f = v; return x; }
    case SQL_DOUBLE: { double v; std::memcpy(&v, p, sizeof v); Value x; x.kind = Value::Float; x.f = v; return x; }
    case SQL_TYPE_DATE:
    case SQL_TIMESTAMP: {
        qint32 v;
        std::memcpy(&v, p, sizeof v);
        return Value::ofDate(QDate::fromJulianDay(qint64(v) + kJulianOffset));
    }
    default: return Value::ofText(QStringLiteral("(?)"));
    }
}

void setNull(const Column& c, unsigned char* msg)
{
    const short ind = -1;
    std::memcpy(msg + c.nullOffset, &ind, sizeof ind);
}

void encode(const Column& c, unsigned char* msg, const Value& in)
{
    Value v = in;
    // A text for a date or number column is read in the program's own forms.
    if (v.kind == Value::Text) {
        if (c.type == SQL_TYPE_DATE || c.type == SQL_TIMESTAMP) v = dateFromText(v.text);
        else if (c.type == SQL_SHORT || c.type == SQL_LONG || c.type == SQL_INT64 || c.type == SQL_FLOAT ||
                 c.type == SQL_DOUBLE || c.type == SQL_BOOLEAN)
            v = numberFromText(v.text, c.name);
    }
    if (v.isNull()) {
        setNull(c, msg);
        return;
    }
    const short notNull = 0;
    unsigned char* p = msg + c.offset;
    auto needNumber = [&] {
        if (v.kind == Value::Date) throw Error(QStringLiteral("Uma data não cabe no campo numérico %1").arg(c.name));
    };
    switch (c.type) {
    case SQL_VARYING:
    case SQL_TEXT: {
        const QByteArray bytes = v.asText().toLatin1();
        if (unsigned(bytes.size()) > c.length)
            throw Error(QStringLiteral("O valor '%1' excede o tamanho de %2 caracteres%3")
                            .arg(v.asText()).arg(c.length)
                            .arg(c.name.isEmpty() ? QString() : QStringLiteral(" do campo ") + c.name));
        if (c.type == SQL_VARYING) {
            const unsigned short len = static_cast<unsigned short>(bytes.size());
            std::memcpy(p, &len, sizeof len);
            std::memcpy(p + 2, bytes.constData(), len);
        } else {
            std::memset(p, ' ', c.length);
            std::memcpy(p, bytes.constData(), size_t(bytes.size()));
        }
        break;
    }
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64:
    case SQL_BOOLEAN: {
        needNumber();
        const qint64 n = v.kind == Value::Float ? qint64(std::llround(v.f * double(pow10(-c.scale))))
                                                : rescale(v.i, v.scale, c.scale);
        if (c.type == SQL_SHORT) {
            if (n < INT16_MIN || n > INT16_MAX) throw Error(QStringLiteral("Valor fora da faixa do campo %1").arg(c.name));
            const qint16 x = qint16(n);
            std::memcpy(p, &x, sizeof x);
        } else if (c.type == SQL_LONG) {
            if (n < INT32_MIN || n > INT32_MAX) throw Error(QStringLiteral("Valor fora da faixa do campo %1").arg(c.name));
            const qint32 x = qint32(n);
            std::memcpy(p, &x, sizeof x);
        } else if (c.type == SQL_BOOLEAN) {
            *p = n != 0;
        } else {
            std::memcpy(p, &n, sizeof n);
        }
        break;
    }
    case SQL_FLOAT:
    case SQL_DOUBLE: {
        needNumber();
        const double d = v.kind == Value::Float ? v.f : double(v.i) / double(pow10(-v.scale));
        if (c.type == SQL_FLOAT) {
            const float x = float(d);
            std::memcpy(p, &x, sizeof x);
        } else {
            std::memcpy(p, &d, sizeof d);
        }
        break;
    }
    case SQL_TYPE_DATE:
    case SQL_TIMESTAMP: {
        if (v.kind != Value::Date) throw Error(QStringLiteral("'%1' não é uma data válida").arg(v.asText()));
        const qint32 days = qint32(v.date.toJulianDay() - kJulianOffset);
        std::memcpy(p, &days, sizeof days);
        if (c.type == SQL_TIMESTAMP) std::memset(p + 4, 0, 4);
        break;
    }
    default: throw Error(QStringLiteral("Tipo de dado não suportado no campo %1").arg(c.name));
    }
    std::memcpy(msg + c.nullOffset, &notNull, sizeof notNull);
}

// ---- statement text -----------------------------------------------------------

ParsedSql parseSql(const QString& text)
{
    ParsedSql out;
    QString sql;
    sql.reserve(text.size() + 16);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = text[i];
        if (c == u'\'' || c == u'"') { // literal or quoted name, copied whole
            qsizetype j = i + 1;
            while (j < n) {
                if (text[j] == c) {
                    if (j + 1 < n && text[j + 1] == c) { j += 2; continue; }
                    break;
                }
                ++j;
            }
            sql += text.mid(i, j + 1 - i);
            i = j + 1;
        } else if (c == u'-' && i + 1 < n && text[i + 1] == u'-') {
            const qsizetype j = text.indexOf(u'\n', i);
            const qsizetype end = j < 0 ? n : j;
            sql += text.mid(i, end - i);
            i = end;
        } else if (c == u'/' && i + 1 < n && text[i + 1] == u'*') {
            const qsizetype j = text.indexOf(QStringLiteral("*/"), i + 2);
            const qsizetype end = j < 0 ? n : j + 2;
            sql += text.mid(i, end - i);
            i = end;
        } else if (c == u':' && i + 1 < n && (text[i + 1].isLetter() || text[i + 1] == u'_')) {
            qsizetype j = i + 1;
            while (j < n && identChar(text[j])) ++j;
            const QString name = text.mid(i + 1, j - i - 1).toUpper();
            out.occurrences.push_back(name);
            if (std::find(out.names.begin(), out.names.end(), name) == out.names.end()) out.names.push_back(name);
            QString before = sql;
            while (!before.isEmpty() && before.back().isSpace()) before.chop(1);
            const bool likePattern = before.endsWith(QStringLiteral("LIKE"), Qt::CaseInsensitive) &&
                                     (before.size() == 4 || !identChar(before[before.size() - 5]));
            sql += likePattern ? QStringLiteral("CAST(? AS VARCHAR(1024))") : QStringLiteral("?");
            i = j;
        } else {
            sql += c;
            ++i;
        }
    }
    out.sql = sql.toLatin1();
    return out;
}

// ---- connection ---------------------------------------------------------------

namespace {
void fillDpb(IXpbBuilder* dpb, ThrowStatusWrapper* st, const QStringList& params)
{
    for (const QString& p : params) {
        const qsizetype eq = p.indexOf(u'=');
        const QString name = p.left(eq).trimmed().toLower();
        const QByteArray value = (eq < 0 ? QString() : p.mid(eq + 1)).toLatin1();
        if (name == u"user_name") dpb->insertString(st, isc_dpb_user_name, value.constData());
        else if (name == u"password") dpb->insertString(st, isc_dpb_password, value.constData());
        else if (name == u"lc_ctype") dpb->insertString(st, isc_dpb_lc_ctype, value.constData());
        else if (name == u"sql_role_name") dpb->insertString(st, isc_dpb_sql_role_name, value.constData());
        else throw Error(QStringLiteral("Parâmetro de conexão desconhecido: %1").arg(p));
    }
}
} // namespace

Database::Database() = default;

Database::~Database()
{
    try {
        close();
    } catch (const Error&) {
        // Nothing to tell anyone at destruction time.
    }
}

IAttachment* Database::attachment() const
{
    if (!m_att) throw Error(QStringLiteral("Banco de dados não conectado"));
    return m_att;
}

void Database::connect()
{
    if (m_att) return;
    Status st;
    IXpbBuilder* dpb = nullptr;
    try {
        guarded([&] {
            dpb = master()->getUtilInterface()->getXpbBuilder(&st, IXpbBuilder::DPB, nullptr, 0);
            fillDpb(dpb, &st, params);
            dpb->insertInt(&st, isc_dpb_sql_dialect, sqlDialect);
            const QByteArray name = databaseName.toUtf8();
            m_att = provider()->attachDatabase(&st, name.constData(), dpb->getBufferLength(&st), dpb->getBuffer(&st));
        });
    } catch (...) {
        if (dpb) dpb->dispose();
        throw;
    }
    dpb->dispose();
}

void Database::close()
{
    if (defaultTransaction && defaultTransaction->active()) {
        try {
            defaultTransaction->commit();
        } catch (const Error&) {
            defaultTransaction->forget();
        }
    }
    if (!m_att) return;
    Status st;
    try {
        guarded([&] { m_att->detach(&st); });
        m_att = nullptr;
    } catch (const Error&) {
        m_att->release();
        m_att = nullptr;
        throw;
    }
}

void Database::create(const QString& path, const QStringList& params, const QString& charset, int pageSize)
{
    Status st;
    guarded([&] {
        IXpbBuilder* dpb = master()->getUtilInterface()->getXpbBuilder(&st, IXpbBuilder::DPB, nullptr, 0);
        try {
            fillDpb(dpb, &st, params);
            dpb->insertInt(&st, isc_dpb_sql_dialect, 3);
            dpb->insertInt(&st, isc_dpb_page_size, pageSize);
            dpb->insertString(&st, isc_dpb_set_db_charset, charset.toLatin1().constData());
            const QByteArray name = path.toUtf8();
            IAttachment* att = provider()->createDatabase(&st, name.constData(), dpb->getBufferLength(&st),
                                                          dpb->getBuffer(&st));
            att->detach(&st);
        } catch (...) {
            dpb->dispose();
            throw;
        }
        dpb->dispose();
    });
}

// ---- transaction ----------------------------------------------------------------

Transaction::~Transaction()
{
    if (m_db && m_db->defaultTransaction == this) m_db->defaultTransaction = nullptr;
    for (Dataset* ds : m_datasets) ds->transactionGone();
    if (m_tra) m_tra->release();
}

ITransaction* Transaction::handle() const
{
    if (!m_tra) throw Error(QStringLiteral("Transação não ativa"));
    return m_tra;
}

void Transaction::start()
{
    if (m_tra) return;
    IAttachment* att = m_db->attachment();
    Status st;
    guarded([&] {
        IXpbBuilder* tpb = master()->getUtilInterface()->getXpbBuilder(&st, IXpbBuilder::TPB, nullptr, 0);
        try {
            for (const QString& p : params) {
                const QString n = p.trimmed().toLower();
                if (n == u"read_committed") tpb->insertTag(&st, isc_tpb_read_committed);
                else if (n == u"rec_version") tpb->insertTag(&st, isc_tpb_rec_version);
                else if (n == u"no_rec_version") tpb->insertTag(&st, isc_tpb_no_rec_version);
                else if (n == u"nowait") tpb->insertTag(&st, isc_tpb_nowait);
                else if (n == u"wait") tpb->insertTag(&st, isc_tpb_wait);
                else if (n == u"concurrency") tpb->insertTag(&st, isc_tpb_concurrency);
                else if (n == u"consistency") tpb->insertTag(&st, isc_tpb_consistency);
                else if (n == u"read") tpb->insertTag(&st, isc_tpb_read);
                else if (n == u"write") tpb->insertTag(&st, isc_tpb_write);
                else throw Error(QStringLiteral("Parâmetro de transação desconhecido: %1").arg(p));
            }
            m_tra = att->startTransaction(&st, tpb->getBufferLength(&st), tpb->getBuffer(&st));
        } catch (...) {
            tpb->dispose();
            throw;
        }
        tpb->dispose();
    });
}

void Transaction::commitRetaining()
{
    Status st;
    guarded([&] { handle()->commitRetaining(&st); });
}

void Transaction::endDatasets()
{
    const std::vector<Dataset*> list = m_datasets;
    for (Dataset* ds : list) ds->transactionEnded();
}

void Transaction::end(bool commit)
{
    endDatasets();
    if (!m_tra) return;
    Status st;
    try {
        guarded([&] { commit ? m_tra->commit(&st) : m_tra->rollback(&st); });
        m_tra = nullptr;
    } catch (const Error&) {
        forget(); // the engine could not be told (connection lost): the transaction is gone all the same
        throw;
    }
}

void Transaction::rollback() { end(false); }
void Transaction::commit() { end(true); }

void Transaction::forget()
{
    if (m_tra) m_tra->release();
    m_tra = nullptr;
}

void Transaction::attach(Dataset* ds)
{
    if (std::find(m_datasets.begin(), m_datasets.end(), ds) == m_datasets.end()) m_datasets.push_back(ds);
}

void Transaction::detach(Dataset* ds) { std::erase(m_datasets, ds); }

// ---- statements ------------------------------------------------------------------

Statement::~Statement() { release(); }

void Statement::release()
{
    if (m_inMeta) m_inMeta->release();
    if (m_outMeta) m_outMeta->release();
    if (m_stmt) m_stmt->release();
    m_inMeta = m_outMeta = nullptr;
    m_stmt = nullptr;
}

void Statement::prepare(Transaction* tra, const QString& text)
{
    release();
    m_parsed = parseSql(text);
    IAttachment* att = tra->database()->attachment();
    ITransaction* t = tra->handle();
    Status st;
    try {
        guarded([&] {
            m_stmt = att->prepare(&st, t, 0, m_parsed.sql.constData(), unsigned(tra->database()->sqlDialect),
                                  IStatement::PREPARE_PREFETCH_METADATA);
            m_inMeta = m_stmt->getInputMetadata(&st);
            m_outMeta = m_stmt->getOutputMetadata(&st);
        });
    } catch (...) {
        release();
        throw;
    }
    m_in = Layout::from(m_inMeta);
    m_out = Layout::from(m_outMeta);
}

std::vector<unsigned char> Statement::inputMessage(const std::function<Value(const QString&)>& valueOf) const
{
    std::vector<unsigned char> buf(m_in.length, 0);
    for (size_t k = 0; k < m_in.columns.size() && k < m_parsed.occurrences.size(); ++k) {
        const Value v = valueOf(m_parsed.occurrences[k]);
        Column col = m_in.columns[k];
        col.name = m_parsed.occurrences[k];
        encode(col, buf.data(), v);
    }
    return buf;
}

quint64 Statement::execute(Transaction* tra, const std::vector<unsigned char>& in, unsigned char* out)
{
    Status st;
    return guarded([&] {
        m_stmt->execute(&st, tra->handle(), m_inMeta, in.empty() ? nullptr : const_cast<unsigned char*>(in.data()),
                        out ? m_outMeta : nullptr, out);
        return m_stmt->getAffectedRecords(&st);
    });
}

IResultSet* Statement::openCursor(Transaction* tra, const std::vector<unsigned char>& in)
{
    Status st;
    return guarded([&] {
        return m_stmt->openCursor(&st, tra->handle(), m_inMeta,
                                  in.empty() ? nullptr : const_cast<unsigned char*>(in.data()), m_outMeta, 0);
    });
}

void executeImmediate(Transaction* tra, const QString& sql)
{
    Status st;
    const QByteArray text = sql.toLatin1();
    guarded([&] {
        tra->database()->attachment()->execute(&st, tra->handle(), 0, text.constData(),
                                               unsigned(tra->database()->sqlDialect), nullptr, nullptr, nullptr,
                                               nullptr);
    });
}

} // namespace db
