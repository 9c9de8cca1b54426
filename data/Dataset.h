#pragma once
// Datasets over the engine: a select whose rows are buffered on the client,
// statements that write each change at once, states and a data source that reports them.
#include "data/Engine.h"
#include "data/RowStore.h"

#include <QObject>
#include <QPointer>

#include <functional>

#include <memory>

namespace db {

enum class State { Inactive, Browse, Edit, Insert };

enum class FieldType { Integer, Text, Date, Decimal };

class Dataset;

class Field {
public:
    Field(Dataset* ds, int index, QString fieldName, FieldType type, int size, bool required)
        : m_ds(ds), m_index(index), m_fieldName(std::move(fieldName)), m_type(type), m_size(size), m_required(required)
    {
    }
    const QString& fieldName() const { return m_fieldName; }
    QString name() const; // the component name: dataset name followed by the field name
    FieldType type() const { return m_type; }
    int size() const { return m_size; }
    bool required() const { return m_required; }
    int index() const { return m_index; }
    Dataset* dataset() const { return m_ds; }

    // Of the current row; null when there is none.
    Value value() const;
    bool isNull() const { return value().isNull(); }
    QString asString() const { return value().asText(); }
    qint64 asInteger() const { return value().asInteger(); }
    QDate asDate() const { return value().asDate(); }

    // Only while the dataset is in edit or insert state.
    void setValue(const Value& v);
    void setAsString(const QString& s) { setValue(s.isEmpty() ? Value::null() : Value::ofText(s)); }
    void setAsInteger(qint64 i) { setValue(Value::ofInt(i)); }
    void setAsDate(const QDate& d) { setValue(Value::ofDate(d)); }
    void clear() { setValue(Value::null()); }

private:
    Dataset* m_ds;
    int m_index;
    QString m_fieldName;
    FieldType m_type;
    int m_size;
    bool m_required;
};

class DataSource : public QObject {
    Q_OBJECT
public:
    DataSource(const QString& name, Dataset* ds, QObject* parent = nullptr);
    Dataset* dataSet() const { return m_ds; }
    bool autoEdit = true;
    // A bound control is about to change a value: a browsing dataset starts an edit.
    // Returns whether the dataset can now take values.
    bool startEdit();

    // Bound controls holding a typed value not yet written (a date being typed)
    // register here; every post writes those values first.
    void addUpdater(QObject* owner, std::function<void()> write);
    void updateRecord();

signals:
    // After every change of the dataset's state, and only on a change.
    void stateChanged(db::DataSource* source);

private:
    friend class Dataset;
    Dataset* m_ds;
    std::vector<std::pair<QPointer<QObject>, std::function<void()>>> m_updaters;
};

class Dataset : public QObject {
    Q_OBJECT
public:
    Dataset(const QString& name, Database* db, Transaction* tra, QObject* parent = nullptr);
    ~Dataset() override;

    // ---- definition
    void addField(const QString& fieldName, FieldType type, int size = 0, bool required = false);
    void setGenerator(const QString& generator, const QString& field) { m_genName = generator; m_genField = field; }
    QStringList selectSQL() const { return m_select; }
    void setSelectSQL(const QStringList& lines);
    void clearSelectSQL() { setSelectSQL({}); }
    void addSelectLine(const QString& line);
    // The select as one text: every line followed by a carriage return and a line feed.
    QString selectText() const;
    QStringList insertSQL, modifySQL, deleteSQL, refreshSQL;

    // ---- fields
    int fieldCount() const { return int(m_fields.size()); }
    Field* field(int i) const { return m_fields[size_t(i)].get(); }
    Field* fieldByName(const QString& fieldName) const; // throws when absent
    Field* findField(const QString& fieldName) const;   // null when absent

    // ---- parameters of the select, by distinct name in order of first appearance
    int paramCount() const;
    QString paramName(int i) const;
    QString paramText(int i) const; // a date as dd/mm/yyyy, null as empty
    void setParamText(const QString& name, const QString& text);
    void setParamText(int i, const QString& text);
    void setParamDate(const QString& name, const QDate& d);

    // ---- life
    void open();
    void close();
    bool isOpen() const { return m_state != State::Inactive; }
    State state() const { return m_state; }
    bool editing() const { return m_state == State::Edit || m_state == State::Insert; }

    void append();
    void edit(); // on an empty dataset it appends instead
    void post();
    void cancel();
    void deleteRow();
    void refresh();

    // ---- position and rows
    int recordCount() const { return int(m_order.size()); }
    int rowCount() const { return recordCount() + (m_state == State::Insert ? 1 : 0); }
    int currentRow() const { return m_cur; }
    void setCurrentRow(int row);
    void first() { setCurrentRow(0); }
    void last();
    bool fetchedAll() const { return m_cursor == nullptr; }
    int fetchMore(int rows); // returns how many it read
    void fetchAll();
    Value valueAt(int row, int fieldIndex) const;

    using Bookmark = qint64; // -1: none
    Bookmark bookmark() const;
    void gotoBookmark(Bookmark b);
    void freeBookmark(Bookmark) {}

    // Bytes held for the buffered rows.
    size_t bufferBytes() const { return m_rows.bytes() + m_order.capacity() * sizeof(quint32); }
    unsigned rowLength() const { return m_rows.rowLength(); }

    DataSource* dataSource() const { return m_source; }
    const QString& name() const { return m_name; }

    // Called by the transaction.
    void transactionEnded();
    void transactionGone();

signals:
    void afterOpen(db::Dataset* ds);
    void rowsReset();                       // opened, closed or reordered as a whole
    void rowsFetched(int oldCount, int newCount);
    void rowInserted(int row);              // an appended or posted new row
    void rowRemoved(int row);
    void rowChanged(int row);               // values of a row changed
    void currentChanged(int row);
    void fieldChanged(int fieldIndex);      // a value of the row being edited

private:
    friend class Field;
    friend class DataSource;
    void setState(State s);
    void requireOpen() const;
    const unsigned char* rowPtr(int row) const;
    const unsigned char* currentPtr() const;
    Value bufferValue(const unsigned char* buf, const QString& fieldName) const;
    Value statementValue(const QString& name, const unsigned char* current, const unsigned char* old) const;
    void ensurePrepared(Statement& st, const QStringList& text);
    bool fetchOne();
    int fetchRows(int max);
    void closeCursor();
    int paramIndex(const QString& name) const;
    void parseParams() const;
    void setFieldValue(int index, const Value& v);

    QString m_name;
    Database* m_db;
    Transaction* m_tra;
    DataSource* m_source = nullptr;
    QStringList m_select;
    QString m_genName, m_genField;
    std::vector<std::unique_ptr<Field>> m_fields;
    std::vector<int> m_columnOf; // column of the select's result for each field

    mutable bool m_paramsParsed = false;
    mutable std::vector<QString> m_paramNames;
    mutable std::vector<Value> m_paramValues;

    Statement m_selectStmt, m_insertStmt, m_modifyStmt, m_deleteStmt, m_refreshStmt, m_genStmt;
    Firebird::IResultSet* m_cursor = nullptr;
    Layout m_layout;
    RowStore m_rows;
    std::vector<quint32> m_order; // row number -> slot
    std::vector<unsigned char> m_editBuf;
    int m_cur = -1;
    int m_insertPos = -1;
    State m_state = State::Inactive;
};

} // namespace db
