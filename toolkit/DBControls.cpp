#include "toolkit/DBControls.h"
#include "toolkit/Prompter.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStandardItemModel>
#include <QTreeView>

namespace ui {

namespace {
void connectDataset(db::Dataset* ds, QObject* ctx, const std::function<void()>& show)
{
    QObject::connect(ds, &db::Dataset::rowsReset, ctx, show);
    QObject::connect(ds, &db::Dataset::currentChanged, ctx, show);
    QObject::connect(ds, &db::Dataset::rowChanged, ctx, show);
    QObject::connect(ds, &db::Dataset::rowRemoved, ctx, show);
    QObject::connect(ds, &db::Dataset::rowInserted, ctx, show);
    QObject::connect(ds->dataSource(), &db::DataSource::stateChanged, ctx, show);
}
} // namespace

// ---- FieldLink

FieldLink::FieldLink(QObject* owner, std::function<void()> show) : QObject(owner), m_show(std::move(show)) {}

void FieldLink::bind(db::DataSource* src, const QString& field)
{
    m_src = src;
    m_field = field;
    connectDataset(src->dataSet(), this, m_show);
    m_show();
}

db::Field* FieldLink::field() const { return dataset() ? dataset()->fieldByName(m_field) : nullptr; }

// ---- DBEdit

DBEdit::DBEdit(const QString& name, QWidget* parent) : QLineEdit(parent), m_link(this, [this] { showValue(); })
{
    setObjectName(name);
    connect(this, &QLineEdit::textEdited, this, &DBEdit::typed);
}

void DBEdit::bind(db::DataSource* src, const QString& field)
{
    m_link.bind(src, field);
    db::Field* f = m_link.field();
    if (f->type() == db::FieldType::Text && f->size() > 0) setMaxLength(f->size());
    src->addUpdater(this, [this] { writePending(); });
}

void DBEdit::setDateMask()
{
    // Day and month may be left short, the year takes four digits; "_" marks a free place.
    setInputMask(QStringLiteral("00/00/9999;_"));
}

void DBEdit::showValue()
{
    if (m_pending && m_link.dataset() && m_link.dataset()->editing()) return; // keep what is being typed
    m_pending = false;
    m_showing = true;
    db::Dataset* ds = m_link.dataset();
    setText(ds && ds->isOpen() ? m_link.field()->asString() : QString());
    m_showing = false;
}

void DBEdit::typed(const QString& text)
{
    if (m_showing) return;
    db::DataSource* src = m_link.source();
    if (!src) return;
    bool editing = false;
    guard(this, [&] { editing = src->startEdit(); });
    if (!editing) {
        m_pending = false;
        showValue(); // a closed dataset takes nothing
        return;
    }
    // Texts go to the field at once; numbers and dates when complete, on leaving or posting.
    if (m_link.field()->type() == db::FieldType::Text && inputMask().isEmpty()) {
        m_pending = false;
        guard(this, [&] { m_link.field()->setAsString(text); });
    } else {
        m_pending = true;
    }
}

void DBEdit::writePending()
{
    if (!m_pending) return;
    db::Field* f = m_link.field();
    if (!f || !f->dataset()->editing()) {
        m_pending = false;
        return;
    }
    f->setAsString(text()); // throws when the field refuses it; the text stays for correcting
    m_pending = false;
}

void DBEdit::keyPressEvent(QKeyEvent* e)
{
    if (m_upper) {
        const QString up = e->text().toUpper();
        if (!e->text().isEmpty() && up != e->text()) {
            QKeyEvent upper(QEvent::KeyPress, e->key(), e->modifiers(), up, e->isAutoRepeat(), ushort(e->count()));
            QLineEdit::keyPressEvent(&upper);
            return;
        }
    }
    QLineEdit::keyPressEvent(e);
}

void DBEdit::focusInEvent(QFocusEvent* e)
{
    QLineEdit::focusInEvent(e);
    // Arriving by keyboard or by a handler, the whole text is selected, so typing starts
    // from the first place (a date mask would otherwise take nothing after its last one).
    if (e->reason() != Qt::MouseFocusReason) selectAll();
}

void DBEdit::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    if (!m_pending) return;
    bool refused = false;
    guard(this, [&] {
        try {
            writePending();
        } catch (...) {
            refused = true;
            throw;
        }
    });
    if (refused) setFocus(Qt::OtherFocusReason); // the field refused the value: correct it here
}

// ---- DBText

DBText::DBText(const QString& name, QWidget* parent)
    : QLabel(parent), m_link(this, [this] {
          db::Dataset* ds = m_link.dataset();
          setText(ds && ds->isOpen() ? m_link.field()->asString() : QString());
      })
{
    setObjectName(name);
}

void DBText::bind(db::DataSource* src, const QString& field) { m_link.bind(src, field); }

// ---- DBLookupComboBox

DBLookupComboBox::DBLookupComboBox(const QString& name, QWidget* parent)
    : QComboBox(parent), m_link(this, [this] { showValue(); })
{
    setObjectName(name);
    setEditable(false);
    auto* view = new QTreeView(this);
    view->setRootIsDecorated(false);
    view->setHeaderHidden(true);
    view->setItemsExpandable(false);
    view->setAllColumnsShowFocus(true);
    setModel(new QStandardItemModel(this));
    setView(view);
    connect(this, &QComboBox::activated, this, &DBLookupComboBox::chosen);
}

void DBLookupComboBox::bind(db::DataSource* src, const QString& field) { m_link.bind(src, field); }

void DBLookupComboBox::setList(db::DataSource* list, const QString& keyField, const QStringList& listFields)
{
    m_list = list;
    m_key = keyField;
    m_listFields = listFields;
    db::Dataset* ds = list->dataSet();
    connect(ds, &db::Dataset::rowsReset, this, &DBLookupComboBox::rebuild);
    connect(ds, &db::Dataset::rowsFetched, this, &DBLookupComboBox::rebuild);
    connect(ds, &db::Dataset::rowInserted, this, &DBLookupComboBox::rebuild);
    connect(ds, &db::Dataset::rowRemoved, this, &DBLookupComboBox::rebuild);
    connect(ds, &db::Dataset::rowChanged, this, &DBLookupComboBox::rebuild);
    rebuild();
}

void DBLookupComboBox::rebuild()
{
    if (m_rebuilding) return; // reading the rest of the list reports its rows: already being listed
    m_rebuilding = true;
    auto* m = static_cast<QStandardItemModel*>(model());
    m_showing = true;
    db::Dataset* ds = m_list ? m_list->dataSet() : nullptr;
    if (ds && ds->isOpen()) ds->fetchAll(); // a short list: all of it is offered
    m->clear();
    if (ds && ds->isOpen()) {
        QList<int> cols;
        for (const QString& f : m_listFields) cols << ds->fieldByName(f)->index();
        m->setColumnCount(int(cols.size()));
        for (int r = 0; r < ds->recordCount() + (ds->state() == db::State::Insert ? 1 : 0); ++r) {
            QList<QStandardItem*> row;
            for (int c : cols) row << new QStandardItem(ds->valueAt(r, c).asText());
            row.first()->setData(ds->valueAt(r, ds->fieldByName(m_key)->index()).asText(), Qt::UserRole);
            m->appendRow(row);
        }
        setModelColumn(int(std::max<qsizetype>(0, m_listFields.indexOf(m_key))));
        auto* tv = static_cast<QTreeView*>(view());
        for (int c = 0; c < cols.size(); ++c) tv->resizeColumnToContents(c);
    }
    m_showing = false;
    m_rebuilding = false;
    showValue();
}

void DBLookupComboBox::showValue()
{
    m_showing = true;
    db::Dataset* ds = m_link.dataset();
    const QString key = ds && ds->isOpen() ? m_link.field()->asString() : QString();
    int found = -1;
    if (!key.isEmpty())
        for (int i = 0; i < count(); ++i)
            if (itemData(i, Qt::UserRole).toString() == key) {
                found = i;
                break;
            }
    setCurrentIndex(found);
    m_showing = false;
}

QString DBLookupComboBox::shownText() const { return currentIndex() < 0 ? QString() : currentText(); }

void DBLookupComboBox::chosen(int index)
{
    if (m_showing || index < 0) return;
    const QString key = itemData(index, Qt::UserRole).toString();
    db::DataSource* src = m_link.source();
    bool editing = false;
    guard(this, [&] { editing = src && src->startEdit(); });
    if (editing) guard(this, [&] { m_link.field()->setAsString(key); });
    showValue();
}

} // namespace ui
