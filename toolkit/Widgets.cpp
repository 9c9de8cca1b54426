#include "toolkit/Widgets.h"

#include <QApplication>
#include <QKeyEvent>

namespace ui {

namespace {
const char* kHintProperty = "qxHint";

// Hands one kind of event of a widget to a handler, which tells whether it took it.
class EventHook : public QObject {
public:
    EventHook(QWidget* w, QEvent::Type type, std::function<bool(QEvent*)> h)
        : QObject(w), m_type(type), m_handler(std::move(h))
    {
        w->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override { return e->type() == m_type && m_handler(e); }

private:
    QEvent::Type m_type;
    std::function<bool(QEvent*)> m_handler;
};
} // namespace

void setHint(QWidget* w, const QString& hint) { w->setProperty(kHintProperty, hint); }

QString hintOf(const QWidget* w) { return w->property(kHintProperty).toString(); }

QString effectiveHint(const QWidget* w)
{
    for (; w; w = w->parentWidget()) {
        const QString h = hintOf(w);
        if (!h.isEmpty()) return h;
        if (w->isWindow()) break;
    }
    return {};
}

HintTracker::HintTracker(QObject* parent) : QObject(parent) { qApp->installEventFilter(this); }

void HintTracker::pointerOver(const QWidget* w)
{
    const QString h = w ? effectiveHint(w) : QString();
    if (h == m_current) return;
    m_current = h;
    emit hintChanged(h);
}

bool HintTracker::eventFilter(QObject* o, QEvent* e)
{
    if ((e->type() == QEvent::Enter || e->type() == QEvent::MouseMove) && o->isWidgetType())
        pointerOver(static_cast<QWidget*>(o));
    return false;
}

QWidget* nextInTabOrder(QWidget* w)
{
    QWidget* win = w->window();
    for (QWidget* n = w->nextInFocusChain(); n && n != w; n = n->nextInFocusChain()) {
        if (n->window() != win) continue;
        if ((n->focusPolicy() & Qt::TabFocus) && n->isVisibleTo(win) && n->isEnabled()) return n;
    }
    return nullptr;
}

void focusNext(QWidget* w)
{
    if (QWidget* n = nextInTabOrder(w)) n->setFocus(Qt::TabFocusReason);
}

void onKeyDown(QWidget* w, std::function<bool(int)> handler)
{
    new EventHook(w, QEvent::KeyPress, [h = std::move(handler)](QEvent* e) { return h(static_cast<QKeyEvent*>(e)->key()); });
}

void onExit(QWidget* w, std::function<void()> handler)
{
    new EventHook(w, QEvent::FocusOut, [h = std::move(handler)](QEvent*) {
        h();
        return false;
    });
}

BitBtn::BitBtn(const QString& name, const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{
    setObjectName(name);
    setAutoDefault(false);
}

void BitBtn::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QPushButton::keyPressEvent(e);
}

SpeedButton::SpeedButton(const QString& name, QWidget* parent) : QToolButton(parent)
{
    setObjectName(name);
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
}

} // namespace ui
