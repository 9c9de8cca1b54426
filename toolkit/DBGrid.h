#pragma once
// A grid over a dataset through a virtual model: rows are read from the dataset's
// buffer as they are painted, never copied into items.
#include "data/Dataset.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <QTableView>

namespace ui {

struct GridColumn {
    QString field;
    QString title; // empty: the field name
    int width = -1; // -1: wide enough for the field
};

class DatasetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    DatasetModel(db::Dataset* ds, QObject* parent);
    void setColumns(const QList<GridColumn>& cols);
    const QList<GridColumn>& columns() const { return m_cols; }
    db::Dataset* dataset() const { return m_ds; }
    // While rows come and go the view moves its current row by itself; that is no choice of the user's.
    bool changingRows() const { return m_changing; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    void reset();
    void fetched(int oldCount, int newCount);
    void inserted(int row);
    void removed(int row);
    void changed(int row);
    void current(int row);
    QPointer<db::Dataset> m_ds;
    QList<GridColumn> m_cols;
    QList<int> m_fieldIndex;
    int m_rows = 0; // the rows the view has been told of
    int m_current = -1;
    bool m_changing = false;
};

class DBGrid : public QTableView {
    Q_OBJECT
public:
    DBGrid(const QString& name, QWidget* parent);
    void bind(db::DataSource* src, const QList<GridColumn>& cols);
    db::Dataset* dataset() const { return m_model ? m_model->dataset() : nullptr; }
    DatasetModel* datasetModel() const { return m_model; }
    // Shows or hides a column; it keeps its position.
    void setColumnVisible(int column, bool visible) { setColumnHidden(column, !visible); }
    QString columnField(int column) const { return m_model->columns().at(column).field; }
    int Tag = 0; // free for the window's own use

signals:
    void titleClick(int column, const QString& field);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    void followDataset(int row);
    DatasetModel* m_model = nullptr;
    bool m_following = false;
};

} // namespace ui
