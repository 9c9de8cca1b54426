#pragma once
// Placing controls the way the windows are laid out: by name, at fixed places.
#include "toolkit/Icons.h"
#include "toolkit/Widgets.h"

#include <QFrame>
#include <QLabel>

namespace ui {

inline QLabel* label(const QString& name, const QString& caption, QWidget* parent, int x, int y)
{
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    l->move(x, y);
    l->adjustSize();
    return l;
}

// A panel with a raised bevel.
inline QFrame* panel(const QString& name, QWidget* parent, int x, int y, int w, int h)
{
    auto* p = new QFrame(parent);
    p->setObjectName(name);
    p->setGeometry(x, y, w, h);
    p->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return p;
}

// A picture button 25 high, with its status-line hint.
inline BitBtn* button(const QString& name, const QString& caption, const QString& hint, Picture pic, QWidget* parent,
                      int x, int y, int w, bool enabled = true)
{
    auto* b = new BitBtn(name, caption, parent);
    b->setGeometry(x, y, w, 25);
    b->setIcon(icon(pic));
    setHint(b, hint);
    b->setEnabled(enabled);
    return b;
}

} // namespace ui
