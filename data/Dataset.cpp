#include "data/Dataset.h"

#include <algorithm>
#include <cstring>
#include <limits>

using namespace Firebird;

namespace db {

// ---- field ----------------------------------------------------------------------

QString Field::name() const { return m_ds->name() + m_fieldName; }

Value Field::value() const
{
    const unsigned char* p = m_ds->currentPtr();
    if (!p) return Value::null();
    return decode(m_ds->m_layout.columns[size_t(m_ds->m_columnOf[size_t(m_index)])], p);
}

void Field::setValue(const Value& v) { m_ds->setFieldValue(m_index, v); }

// ---- data source ------------------------------------------------------------------

DataSource::DataSource(const QString& name, Dataset* ds, QObject* parent) : QObject(parent), m_ds(ds)
{
    setObjectName(name);
    ds->m_source = this;
}

bool DataSource::startEdit()
{
    if (m_ds->editing()) return true;
    if (!autoEdit || m_ds->state() != State::Browse) return false;
    m_ds->edit();
    return m_ds->editing();
}

void DataSource::addUpdater(QObject* owner, std::function<void()> write)
{
    m_updaters.emplace_back(owner, std::move(write));
}

void DataSource::updateRecord()
{
    std::erase_if(m_updaters, [](const auto& u) { return u.first.isNull(); });
    const auto list = m_updaters;
    for (const auto& u : list)
        if (u.first) u.second();
}

// ---- dataset ------------------------------------------------------------------------

Dataset::Dataset(const QString& name, Database* db, Transaction* tra, QObject* parent)
    : QObject(parent), m_name(name), m_db(db), m_tra(tra)
{
    setObjectName(name);
    if (m_tra) m_tra->attach(this);
}

Dataset::~Dataset()
{
    closeCursor();
    if (m_tra) m_tra->detach(this);
}

void Dataset::addField(const QString& fieldName, FieldType type, int size, bool required)
{
    m_fields.push_back(std::make_unique<Field>(this, int(m_fields.size()), fieldName.toUpper(), type, size, required));
}

Field* Dataset::findField(const QString& fieldName) const
{
    for (const auto& f : m_fields)
        if (f->fieldName().compare(fieldName, Qt::CaseInsensitive) == 0) return f.get();
    return nullptr;
}

Field* Dataset::fieldByName(const QString& fieldName) const
{
    Field* f = findField(fieldName);
    if (!f) throw Error(QStringLiteral("%1: Campo '%2' não encontrado").arg(m_name, fieldName));
    return f;
}

void Dataset::setSelectSQL(const QStringList& lines)
{
    m_select = lines;
    m_selectStmt.release();
    m_paramsParsed = false;
    m_paramNames.clear();
    m_paramValues.clear();
}

void Dataset::addSelectLine(const QString& line)
{
    QStringList l = m_select;
    l.append(line);
    setSelectSQL(l);
}

QString Dataset::selectText() const
{
    QString t;
    for (const QString& l : m_select) t += l + QStringLiteral("\r\n");
    return t;
}

// ---- parameters

void Dataset::parseParams() const
{
    if (m_paramsParsed) return;
    const ParsedSql p = parseSql(selectText());
    m_paramNames = p.names;
    m_paramValues.assign(m_paramNames.size(), Value::null());
    m_paramsParsed = true;
}

int Dataset::paramCount() const
{
    parseParams();
    return int(m_paramNames.size());
}

QString Dataset::paramName(int i) const
{
    parseParams();
    return m_paramNames.at(size_t(i));
}

int Dataset::paramIndex(const QString& name) const
{
    parseParams();
    for (size_t i = 0; i < m_paramNames.size(); ++i)
        if (m_paramNames[i].compare(name, Qt::CaseInsensitive) == 0) return int(i);
    throw Error(QStringLiteral("%1: Parâmetro '%2' não encontrado").arg(m_name, name));
}

QString Dataset::paramText(int i) const
{
    parseParams();
    return m_paramValues.at(size_t(i)).asText();
}

void Dataset::setParamText(const QString& name, const QString& text) { setParamText(paramIndex(name), text); }

void Dataset::setParamText(int i, const QString& text)
{
    parseParams();
    if (i < 0 || size_t(i) >= m_paramValues.size())
        throw Error(QStringLiteral("%1: Parâmetro %2 não existe").arg(m_name).arg(i + 1));
    m_paramValues[size_t(i)] = text.isEmpty() ? Value::null() : Value::ofText(text);
}

void Dataset::setParamDate(const QString& name, const QDate& d)
{
    m_paramValues[size_t(paramIndex(name))] = Value::ofDate(d);
}

// ---- open and close

void Dataset::requireOpen() const
{
    if (m_state == State::Inactive) throw Error(QStringLiteral("%1: Operação não permitida com a tabela fechada").arg(m_name));
}

void Dataset::setState(State s)
{
    if (s == m_state) return;
    m_state = s;
    if (m_source) emit m_source->stateChanged(m_source);
}

void Dataset::ensurePrepared(Statement& st, const QStringList& text)
{
    if (!st.prepared()) st.prepare(m_tra, text.join(QStringLiteral("\r\n")));
}

void Dataset::open()
{
    if (isOpen()) return;
    if (!m_tra) throw Error(QStringLiteral("%1: sem transação").arg(m_name));
    if (!m_tra->active()) m_tra->start();
    parseParams();
    if (!m_selectStmt.prepared()) m_selectStmt.prepare(m_tra, selectText());

    const Layout& out = m_selectStmt.output();
    std::vector<int> columnOf;
    for (const auto& f : m_fields) {
        const int c = out.indexOf(f->fieldName());
        if (c < 0) throw Error(QStringLiteral("%1: Campo '%2' não encontrado").arg(m_name, f->fieldName()));
        columnOf.push_back(c);
    }
    const std::vector<unsigned char> in = m_selectStmt.inputMessage([this](const QString& name) {
        return m_paramValues[size_t(paramIndex(name))];
    });
    m_cursor = m_selectStmt.openCursor(m_tra, in);
    m_layout = out;
    m_columnOf = std::move(columnOf);
    m_rows.reset(m_layout.length);
    m_order.clear();
    m_editBuf.assign(m_layout.length, 0);
    fetchOne();
    m_cur = m_order.empty() ? -1 : 0;
    setState(State::Browse);
    emit rowsReset();
    emit currentChanged(m_cur);
    emit afterOpen(this);
}

void Dataset::closeCursor()
{
    if (!m_cursor) return;
    Status st;
    try {
        m_cursor->close(&st);
    } catch (const FbException&) {
        m_cursor->release(); // the transaction or the connection is already gone
    }
    m_cursor = nullptr;
}

void Dataset::close()
{
    if (!isOpen()) return;
    closeCursor();
    m_order.clear();
    m_order.shrink_to_fit();
    m_rows.reset(0);
    m_cur = m_insertPos = -1;
    setState(State::Inactive);
    emit rowsReset();
    emit currentChanged(-1);
}

void Dataset::transactionEnded()
{
    if (m_cursor) {
        m_cursor->release(); // ends with its transaction; the engine closes it there
        m_cursor = nullptr;
    }
    close();
    for (Statement* s : {&m_selectStmt, &m_insertStmt, &m_modifyStmt, &m_deleteStmt, &m_refreshStmt, &m_genStmt})
        s->release();
    m_paramsParsed = false;
    m_paramNames.clear();
    m_paramValues.clear();
}

void Dataset::transactionGone()
{
    closeCursor();
    m_tra = nullptr;
}

// ---- fetching

int Dataset::fetchRows(int max)
{
    if (!m_cursor) return 0;
    // One status for the whole run of rows: this loop is what a million-row grid waits on.
    Status st;
    int n = 0;
    bool pending = false; // a slot taken for a row not read yet
    try {
        guarded([&] {
            while (n < max) {
                const quint32 slot = m_rows.alloc();
                pending = true;
                if (m_cursor->fetchNext(&st, m_rows.at(slot)) != IStatus::RESULT_OK) {
                    m_rows.unallocLast();
                    pending = false;
                    closeCursor();
                    break;
                }
                m_order.push_back(slot);
                pending = false;
                ++n;
            }
        });
    } catch (...) {
        if (pending) m_rows.unallocLast();
        throw;
    }
    return n;
}

bool Dataset::fetchOne() { return fetchRows(1) == 1; }

int Dataset::fetchMore(int rows)
{
    const int before = rowCount();
    const int n = fetchRows(rows);
    if (n > 0) emit rowsFetched(before, rowCount());
    return n;
}

void Dataset::fetchAll()
{
    if (!m_cursor) return;
    const int before = rowCount();
    fetchRows(std::numeric_limits<int>::max());
    if (rowCount() != before) emit rowsFetched(before, rowCount());
}

// ---- rows

const unsigned char* Dataset::rowPtr(int row) const
{
    if (row < 0 || row >= rowCount()) return nullptr;
    if (m_state == State::Insert) {
        if (row == m_insertPos) return m_editBuf.data();
        if (row > m_insertPos) --row;
    } else if (m_state == State::Edit && row == m_cur) {
        return m_editBuf.data();
    }
    return m_rows.at(m_order[size_t(row)]);
}

const unsigned char* Dataset::currentPtr() const { return isOpen() ? rowPtr(m_cur) : nullptr; }

Value Dataset::valueAt(int row, int fieldIndex) const
{
    const unsigned char* p = isOpen() ? rowPtr(row) : nullptr;
    if (!p) return Value::null();
    return decode(m_layout.columns[size_t(m_columnOf[size_t(fieldIndex)])], p);
}

void Dataset::setCurrentRow(int row)
{
    requireOpen();
    if (editing()) throw Error(QStringLiteral("%1: registro em edição").arg(m_name));
    if (row >= recordCount()) fetchMore(row - recordCount() + 1);
    if (recordCount() == 0) return;
    row = std::clamp(row, 0, recordCount() - 1);
    if (row == m_cur) return;
    m_cur = row;
    emit currentChanged(m_cur);
}

void Dataset::last()
{
    requireOpen();
    fetchAll();
    setCurrentRow(recordCount() - 1);
}

Dataset::Bookmark Dataset::bookmark() const
{
    if (!isOpen() || m_cur < 0 || m_state == State::Insert || m_cur >= recordCount()) return -1;
    return m_order[size_t(m_cur)];
}

void Dataset::gotoBookmark(Bookmark b)
{
    requireOpen();
    const auto it = std::find(m_order.begin(), m_order.end(), quint32(b));
    if (b < 0 || it == m_order.end()) throw Error(QStringLiteral("%1: registro não encontrado").arg(m_name));
    setCurrentRow(int(it - m_order.begin()));
}

// ---- editing

void Dataset::setFieldValue(int index, const Value& v)
{
    if (!editing()) throw Error(QStringLiteral("%1: a tabela não está em modo de edição ou inclusão").arg(m_name));
    Column c = m_layout.columns[size_t(m_columnOf[size_t(index)])];
    c.name = m_fields[size_t(index)]->fieldName();
    encode(c, m_editBuf.data(), v);
    emit fieldChanged(index);
    emit rowChanged(m_cur);
}

void Dataset::append()
{
    requireOpen();
    if (editing()) throw Error(QStringLiteral("%1: registro em edição").arg(m_name));
    fetchAll();
    std::fill(m_editBuf.begin(), m_editBuf.end(), 0);
    for (const Column& c : m_layout.columns) setNull(c, m_editBuf.data());
    m_insertPos = recordCount();
    m_cur = m_insertPos;
    setState(State::Insert);
    emit rowInserted(m_insertPos);
    emit currentChanged(m_cur);
}

void Dataset::edit()
{
    requireOpen();
    if (editing()) return;
    if (recordCount() == 0) {
        append();
        return;
    }
    const unsigned char* p = m_rows.at(m_order[size_t(m_cur)]);
    std::memcpy(m_editBuf.data(), p, m_layout.length);
    setState(State::Edit);
}

Value Dataset::bufferValue(const unsigned char* buf, const QString& fieldName) const
{
    const Field* f = fieldByName(fieldName);
    return decode(m_layout.columns[size_t(m_columnOf[size_t(f->index())])], buf);
}

Value Dataset::statementValue(const QString& name, const unsigned char* current, const unsigned char* old) const
{
    if (name.startsWith(QStringLiteral("OLD_")) && !findField(name)) return bufferValue(old, name.mid(4));
    return bufferValue(current, name);
}

void Dataset::post()
{
    requireOpen();
    if (!editing()) throw Error(QStringLiteral("%1: a tabela não está em modo de edição ou inclusão").arg(m_name));
    if (m_source) m_source->updateRecord();
    if (m_state == State::Insert) {
        Field* key = m_genName.isEmpty() ? nullptr : findField(m_genField);
        if (key && key->isNull()) {
            ensurePrepared(m_genStmt, {QStringLiteral("SELECT GEN_ID(\"%1\", %2) FROM RDB$DATABASE").arg(m_genName).arg(1)});
            std::vector<unsigned char> out(m_genStmt.output().length, 0);
            m_genStmt.execute(m_tra, {}, out.data());
            setFieldValue(key->index(), decode(m_genStmt.output().columns.at(0), out.data()));
        }
        ensurePrepared(m_insertStmt, insertSQL);
        const auto in = m_insertStmt.inputMessage(
            [this](const QString& n) { return statementValue(n, m_editBuf.data(), m_editBuf.data()); });
        m_insertStmt.execute(m_tra, in);
        const quint32 slot = m_rows.alloc();
        std::memcpy(m_rows.at(slot), m_editBuf.data(), m_layout.length);
        m_order.insert(m_order.begin() + m_insertPos, slot);
        m_cur = m_insertPos;
        m_insertPos = -1;
    } else {
        unsigned char* old = m_rows.at(m_order[size_t(m_cur)]);
        ensurePrepared(m_modifyStmt, modifySQL);
        const auto in = m_modifyStmt.inputMessage(
            [this, old](const QString& n) { return statementValue(n, m_editBuf.data(), old); });
        // A write that finds no row lost its row to another workstation: saying so keeps
        // a stale counter or record from passing as saved.
        if (m_modifyStmt.execute(m_tra, in) == 0)
            throw Error(QStringLiteral("%1: o registro foi alterado ou excluído por outro usuário; nada foi gravado").arg(m_name));
        std::memcpy(old, m_editBuf.data(), m_layout.length);
    }
    setState(State::Browse);
    emit rowChanged(m_cur);
}

void Dataset::cancel()
{
    if (!editing()) return;
    const bool inserting = m_state == State::Insert;
    const int pos = m_insertPos;
    m_insertPos = -1;
    if (inserting) m_cur = std::min(m_cur, recordCount() - 1);
    setState(State::Browse);
    if (inserting) emit rowRemoved(pos);
    else emit rowChanged(m_cur);
    emit currentChanged(m_cur);
}

void Dataset::deleteRow()
{
    requireOpen();
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    if (recordCount() == 0)
        throw Error(m_name + QStringLiteral(": Não é possível realizar esta operação em um arquivo vazio"));
    if (m_state == State::Edit) cancel();
    const unsigned char* row = m_rows.at(m_order[size_t(m_cur)]);
    ensurePrepared(m_deleteStmt, deleteSQL);
    const auto in = m_deleteStmt.inputMessage([this, row](const QString& n) { return statementValue(n, row, row); });
    if (m_deleteStmt.execute(m_tra, in) == 0)
        throw Error(QStringLiteral("%1: o registro já havia sido alterado ou excluído por outro usuário").arg(m_name));
    const int removed = m_cur;
    m_order.erase(m_order.begin() + removed);
    emit rowRemoved(removed);
    if (m_cur >= recordCount()) fetchMore(1); // the next record, when the cursor has one, becomes current
    m_cur = std::min(m_cur, recordCount() - 1);
    emit currentChanged(m_cur);
}

void Dataset::refresh()
{
    requireOpen();
    if (editing() || m_cur < 0 || m_cur >= recordCount()) return;
    unsigned char* row = m_rows.at(m_order[size_t(m_cur)]);
    ensurePrepared(m_refreshStmt, refreshSQL);
    const auto in = m_refreshStmt.inputMessage([this, row](const QString& n) { return statementValue(n, row, row); });
    const Layout& out = m_refreshStmt.output();
    std::vector<unsigned char> buf(out.length, 0);
    IResultSet* rs = m_refreshStmt.openCursor(m_tra, in);
    Status st;
    int rc = IStatus::RESULT_NO_DATA;
    try {
        rc = guarded([&] { return rs->fetchNext(&st, buf.data()); });
        guarded([&] { rs->close(&st); });
    } catch (...) {
        rs->release();
        throw;
    }
    if (rc != IStatus::RESULT_OK) return; // gone meanwhile: the buffered row stays as read
    for (const auto& f : m_fields) {
        const int c = out.indexOf(f->fieldName());
        if (c < 0) continue;
        encode(m_layout.columns[size_t(m_columnOf[size_t(f->index())])], row, decode(out.columns[size_t(c)], buf.data()));
    }
    emit rowChanged(m_cur);
}

} // namespace db
