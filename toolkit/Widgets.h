#pragma once
// Small pieces Qt lacks: hints for a status line, Enter moving the focus on,
// buttons that Enter presses, and key-down handlers.
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QToolButton>

#include <functional>

namespace ui {

// A control's hint, shown in the status line while the pointer is over it (or over
// a child of it that has none of its own). Not a tooltip.
void setHint(QWidget* w, const QString& hint);
QString hintOf(const QWidget* w);          // the control's own hint
QString effectiveHint(const QWidget* w);   // its own, or its nearest parent's that has one

// Follows the pointer across the application and reports the hint under it on each change.
class HintTracker : public QObject {
    Q_OBJECT
public:
    explicit HintTracker(QObject* parent = nullptr);
    QString current() const { return m_current; }
    // Where the pointer now is; tests and the event filter call it.
    void pointerOver(const QWidget* w);

signals:
    void hintChanged(const QString& hint);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QString m_current;
};

// The next control after w in the window's tab order that is visible, enabled and takes the focus.
QWidget* nextInTabOrder(QWidget* w);
void focusNext(QWidget* w);

// Calls handler(key) for every key pressed in w, before w handles it; the handler
// returns true when it took the key.
void onKeyDown(QWidget* w, std::function<bool(int key)> handler);
// Calls handler each time w loses the focus.
void onExit(QWidget* w, std::function<void()> handler);

// A push button with a picture; Enter or Return on the focused button presses it.
class BitBtn : public QPushButton {
    Q_OBJECT
public:
    BitBtn(const QString& name, const QString& caption, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

// A flat picture button of a toolbar.
class SpeedButton : public QToolButton {
    Q_OBJECT
public:
    SpeedButton(const QString& name, QWidget* parent);
};

} // namespace ui
