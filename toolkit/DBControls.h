#pragma once
// Controls bound to a field of a data source: they show the current row's value,
// start an edit when typed into (automatic edit), and write what is typed into the field.
#include "data/Dataset.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

namespace ui {

// Shared wiring of a control to one field of a data source.
class FieldLink : public QObject {
    Q_OBJECT
public:
    FieldLink(QObject* owner, std::function<void()> show);
    void bind(db::DataSource* src, const QString& field);
    db::DataSource* source() const { return m_src; }
    db::Dataset* dataset() const { return m_src ? m_src->dataSet() : nullptr; }
    db::Field* field() const;
    const QString& fieldName() const { return m_field; }

private:
    QPointer<db::DataSource> m_src;
    QString m_field;
    std::function<void()> m_show;
};

class DBEdit : public QLineEdit {
    Q_OBJECT
public:
    DBEdit(const QString& name, QWidget* parent);
    void bind(db::DataSource* src, const QString& field);
    // Letters typed become capitals as they are typed.
    void setUpperCase(bool on) { m_upper = on; }
    // The date edit mask: dd/mm/yyyy with the day and the month optional digits.
    void setDateMask();
    db::Field* field() const { return m_link.field(); }
    // Writes a typed value that is still pending into the field; throws what the field refuses.
    void writePending();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;

private:
    void showValue();
    void typed(const QString& text);
    FieldLink m_link;
    bool m_upper = false;
    bool m_pending = false;
    bool m_showing = false;
};

class DBText : public QLabel {
    Q_OBJECT
public:
    DBText(const QString& name, QWidget* parent);
    void bind(db::DataSource* src, const QString& field);

private:
    FieldLink m_link;
};

// A fixed drop-down list bound to a field, whose entries come from another data source.
// The closed box shows the key; an open list shows the list fields as columns.
class DBLookupComboBox : public QComboBox {
    Q_OBJECT
public:
    DBLookupComboBox(const QString& name, QWidget* parent);
    void bind(db::DataSource* src, const QString& field);
    void setList(db::DataSource* list, const QString& keyField, const QStringList& listFields);
    // What the closed box shows for the current record; empty when it shows nothing.
    QString shownText() const;

private:
    void rebuild();
    void showValue();
    void chosen(int index);
    FieldLink m_link;
    QPointer<db::DataSource> m_list;
    QString m_key;
    QStringList m_listFields;
    bool m_showing = false;
    bool m_rebuilding = false;
};

} // namespace ui
