#pragma once
// The database engine interface: a connection, its transaction, statements with
// named parameters and the conversion of values to and from engine messages.
#include <QDate>
#include <QString>
#include <QStringList>

#include <firebird/Interface.h>

#include <functional>
#include <stdexcept>
#include <vector>

namespace db {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    explicit Error(const QString& text) : std::runtime_error(text.toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};

Firebird::IMaster* master();

// Runs f, turning an engine exception into an Error carrying the engine's message.
QString statusText(const Firebird::IStatus* status);

class Status {
public:
    Status() : m_raw(master()->getStatus()), m_wrap(m_raw) {}
    ~Status() { m_raw->dispose(); }
    Status(const Status&) = delete;
    Status& operator=(const Status&) = delete;
    Firebird::ThrowStatusWrapper* operator&() { return &m_wrap; }

private:
    Firebird::IStatus* m_raw;
    Firebird::ThrowStatusWrapper m_wrap;
};

template <class F>
decltype(auto) guarded(F&& f)
{
    try {
        return f();
    } catch (const Firebird::FbException& e) {
        throw Error(statusText(e.getStatus()));
    }
}

// One value as the program handles it; integers carry the column's decimal scale.
struct Value {
    enum Kind : unsigned char { Null, Int, Float, Text, Date };
    Kind kind = Null;
    int scale = 0;
    qint64 i = 0;
    double f = 0;
    QString text;
    QDate date;

    static Value null() { return {}; }
    static Value ofInt(qint64 v, int scale = 0) { Value x; x.kind = Int; x.i = v; x.scale = scale; return x; }
    static Value ofText(const QString& t) { Value x; x.kind = Text; x.text = t; return x; }
    static Value ofDate(const QDate& d) { Value x; x.kind = d.isValid() ? Date : Null; x.date = d; return x; }
    bool isNull() const { return kind == Null; }
    QString asText() const;   // a date as dd/mm/yyyy, null as the empty text
    qint64 asInteger() const; // throws Error when the text is no whole number
    QDate asDate() const;     // throws Error when the text is no dd/mm/yyyy date
};

// Reads dd/mm/yyyy; an empty or blank-masked text ("  /  /    ") is null.
// Throws Error for anything else that is not a calendar date.
Value dateFromText(const QString& text);

// Where each column of a message lies.
struct Column {
    QString name;
    unsigned type = 0; // SQL_xxx without the nullable bit
    int subType = 0;
    unsigned length = 0;
    int scale = 0;
    unsigned offset = 0;
    unsigned nullOffset = 0;
};

struct Layout {
    std::vector<Column> columns;
    unsigned length = 0;
    static Layout from(Firebird::IMessageMetadata* meta);
    int indexOf(const QString& name) const; // case ignored; -1 when absent
};

Value decode(const Column& c, const unsigned char* msg);
// Throws Error when the value cannot be held by the column (too long, not a number, not a date).
void encode(const Column& c, unsigned char* msg, const Value& v);
void setNull(const Column& c, unsigned char* msg);

// A statement text with ":name" parameters, as the engine gets it: "?" in their place.
// A parameter that is a LIKE pattern is cast to a wide text so that a pattern longer
// than its column (a search term with its two "%") is not refused as truncated.
struct ParsedSql {
    QByteArray sql;
    std::vector<QString> occurrences; // parameter name of each "?", upper case
    std::vector<QString> names;       // distinct names in order of first appearance
};
ParsedSql parseSql(const QString& text);

class Dataset;
class Transaction;

class Database {
public:
    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    QString databaseName;
    QStringList params;             // "user_name=SYSDBA", "password=…", "lc_ctype=ISO8859_1"
    int sqlDialect = 3;
    Transaction* defaultTransaction = nullptr;

    // A plain path opens the file with the embedded engine; "host:/path" goes to a server.
    void connect();
    // Commits an active transaction, then detaches.
    void close();
    bool connected() const { return m_att != nullptr; }
    Firebird::IAttachment* attachment() const;

    // Creates a new database file (dialect 3, the given default character set).
    static void create(const QString& path, const QStringList& params, const QString& charset, int pageSize = 8192);

private:
    Firebird::IAttachment* m_att = nullptr;
};

class Transaction {
public:
    explicit Transaction(Database* db) : m_db(db) {}
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    QStringList params; // "read_committed", "rec_version", "nowait"

    void start();
    bool active() const { return m_tra != nullptr; }
    // Makes all work permanent and keeps the transaction, every open dataset and its cursor.
    void commitRetaining();
    // Closes every dataset on this transaction (dropping unsaved rows, prepared statements
    // and parameter values), then undoes uncommitted work and ends the transaction.
    void rollback();
    void commit();
    Firebird::ITransaction* handle() const;
    Database* database() const { return m_db; }

    void attach(Dataset* ds);
    void detach(Dataset* ds);

    // Drops the handle without telling the engine (the connection is gone).
    void forget();

private:
    void endDatasets();
    void end(bool commit);
    Database* m_db;
    Firebird::ITransaction* m_tra = nullptr;
    std::vector<Dataset*> m_datasets;
};

// A prepared statement with its parameter and result layouts.
class Statement {
public:
    Statement() = default;
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void prepare(Transaction* tra, const QString& text);
    bool prepared() const { return m_stmt != nullptr; }
    void release();

    const ParsedSql& parsed() const { return m_parsed; }
    const Layout& input() const { return m_in; }
    const Layout& output() const { return m_out; }
    // Fills the input message from a value per "?" occurrence.
    std::vector<unsigned char> inputMessage(const std::function<Value(const QString& name)>& valueOf) const;
    // Runs a statement that returns at most one row; returns the number of rows changed.
    quint64 execute(Transaction* tra, const std::vector<unsigned char>& in, unsigned char* out = nullptr);
    Firebird::IResultSet* openCursor(Transaction* tra, const std::vector<unsigned char>& in);
    Firebird::IStatement* handle() const { return m_stmt; }

private:
    Firebird::IStatement* m_stmt = nullptr;
    Firebird::IMessageMetadata* m_inMeta = nullptr;
    Firebird::IMessageMetadata* m_outMeta = nullptr;
    ParsedSql m_parsed;
    Layout m_in, m_out;
};

// Runs a statement without parameters or result (schema scripts, tools).
void executeImmediate(Transaction* tra, const QString& sql);

} // namespace db
