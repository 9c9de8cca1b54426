#include "toolkit/DBGrid.h"
#include "toolkit/Prompter.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace ui {

DatasetModel::DatasetModel(db::Dataset* ds, QObject* parent) : QAbstractTableModel(parent), m_ds(ds)
{
    connect(ds, &db::Dataset::rowsReset, this, &DatasetModel::reset);
    connect(ds, &db::Dataset::rowsFetched, this, &DatasetModel::fetched);
    connect(ds, &db::Dataset::rowInserted, this, &DatasetModel::inserted);
    connect(ds, &db::Dataset::rowRemoved, this, &DatasetModel::removed);
    connect(ds, &db::Dataset::rowChanged, this, &DatasetModel::changed);
    connect(ds, &db::Dataset::currentChanged, this, &DatasetModel::current);
    m_rows = ds->rowCount();
}

void DatasetModel::setColumns(const QList<GridColumn>& cols)
{
    beginResetModel();
    m_cols = cols;
    m_fieldIndex.clear();
    for (const GridColumn& c : cols) m_fieldIndex << m_ds->fieldByName(c.field)->index();
    endResetModel();
}

int DatasetModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_rows; }
int DatasetModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_cols.size()); }

QVariant DatasetModel::data(const QModelIndex& index, int role) const
{
    if (!m_ds || !index.isValid() || index.row() >= m_rows) return {};
    if (role == Qt::DisplayRole) return m_ds->valueAt(index.row(), m_fieldIndex[index.column()]).asText();
    if (role == Qt::TextAlignmentRole) {
        const db::FieldType t = m_ds->field(m_fieldIndex[index.column()])->type();
        const bool number = t == db::FieldType::Integer || t == db::FieldType::Decimal;
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    return {};
}

QVariant DatasetModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (role != Qt::DisplayRole) return {};
    if (o == Qt::Horizontal) {
        const GridColumn& c = m_cols.value(section);
        return c.title.isEmpty() ? c.field : c.title;
    }
    // The row indicator: the current row, or the row being added.
    if (section != m_current || !m_ds) return QString();
    if (m_ds->state() == db::State::Insert) return QStringLiteral("*");
    if (m_ds->state() == db::State::Edit) return QStringLiteral("I");
    return QStringLiteral("\u25B6");
}

bool DatasetModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && m_ds && m_ds->isOpen() && !m_ds->fetchedAll();
}

void DatasetModel::fetchMore(const QModelIndex& parent)
{
    if (canFetchMore(parent)) m_ds->fetchMore(1000);
}

void DatasetModel::reset()
{
    m_changing = true;
    beginResetModel();
    m_rows = m_ds->rowCount();
    m_current = m_ds->currentRow();
    endResetModel();
    m_changing = false;
}

void DatasetModel::fetched(int, int newCount)
{
    if (newCount <= m_rows) return;
    beginInsertRows({}, m_rows, newCount - 1);
    m_rows = newCount;
    endInsertRows();
}

void DatasetModel::inserted(int row)
{
    m_changing = true;
    beginInsertRows({}, row, row);
    ++m_rows;
    endInsertRows();
    m_changing = false;
}

void DatasetModel::removed(int row)
{
    if (row >= m_rows) return;
    m_changing = true;
    beginRemoveRows({}, row, row);
    --m_rows;
    endRemoveRows();
    m_changing = false;
}

void DatasetModel::changed(int row)
{
    if (row < 0 || row >= m_rows) return;
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    emit headerDataChanged(Qt::Vertical, row, row);
}

void DatasetModel::current(int row)
{
    const int old = m_current;
    m_current = row;
    if (old >= 0 && old < m_rows) emit headerDataChanged(Qt::Vertical, old, old);
    if (row >= 0 && row < m_rows) emit headerDataChanged(Qt::Vertical, row, row);
}

// ---- grid

DBGrid::DBGrid(const QString& name, QWidget* parent) : QTableView(parent)
{
    setObjectName(name);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(false);
    setShowGrid(true);
    setWordWrap(false);
    setTabKeyNavigation(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(17);
    verticalHeader()->setFixedWidth(13);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int c) { emit titleClick(c, columnField(c)); });
}

void DBGrid::bind(db::DataSource* src, const QList<GridColumn>& cols)
{
    m_model = new DatasetModel(src->dataSet(), this);
    m_model->setColumns(cols);
    setModel(m_model);
    const int charWidth = fontMetrics().averageCharWidth();
    for (int i = 0; i < cols.size(); ++i) {
        int w = cols[i].width;
        if (w < 0) {
            const db::Field* f = src->dataSet()->fieldByName(cols[i].field);
            const int chars = f->type() == db::FieldType::Date ? 10 : f->type() == db::FieldType::Text ? f->size() : 10;
            w = std::max(chars, int(m_model->headerData(i, Qt::Horizontal, Qt::DisplayRole).toString().size())) * charWidth + 8;
        }
        setColumnWidth(i, w);
    }
    connect(src->dataSet(), &db::Dataset::currentChanged, this, &DBGrid::followDataset);
    connect(src->dataSet(), &db::Dataset::rowsReset, this, [this] { followDataset(dataset()->currentRow()); });
}

void DBGrid::followDataset(int row)
{
    if (m_following) return;
    m_following = true;
    if (row >= 0 && row < m_model->rowCount()) {
        const int col = currentIndex().isValid() ? currentIndex().column() : 0;
        const QModelIndex i = m_model->index(row, std::max(0, col));
        selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        scrollTo(i);
    } else {
        selectionModel()->clear();
    }
    m_following = false;
}

void DBGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (m_following || m_model->changingRows() || !current.isValid() || !dataset() || !dataset()->isOpen() || dataset()->editing()) return;
    if (current.row() == dataset()->currentRow()) return;
    m_following = true;
    guard(this, [&] { dataset()->setCurrentRow(current.row()); });
    m_following = false;
}

void DBGrid::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Delete && (e->modifiers() & Qt::ControlModifier)) {
        db::Dataset* ds = dataset();
        if (ds && ds->isOpen() && confirmGridDelete(this)) guard(this, [&] { ds->deleteRow(); });
        return;
    }
    QTableView::keyPressEvent(e);
}

} // namespace ui
