#pragma once
// Placing controls the way the windows are laid out: by name, at fixed places.
#include "toolkit/Icons.h"
#include "toolkit/Widgets.h"

#include "toolkit/DBControls.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

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

// Novo, Alterar, Cancelar and Excluir of a register tab, in that tab order, in their panel.
// Only Novo is enabled at creation; the edit-state rules take over from the first state change.
struct RecordButtons {
    BitBtn *novo, *alterar, *cancelar, *excluir;
};
inline RecordButtons recordButtons(QWidget* panel, const QString (&names)[4], const QString& novoHint)
{
    return {button(names[0], QStringLiteral("&Novo"), novoHint, Picture::New, panel, 8, 16, 81, true),
            button(names[1], QStringLiteral("&Alterar"), QStringLiteral("   Altera registro selecionado"), Picture::Alter,
                   panel, 88, 16, 89, false),
            button(names[2], QStringLiteral("&Cancelar"), QStringLiteral("   Cancela Inclusão e/ou Alteração"),
                   Picture::Cancel, panel, 176, 16, 89, false),
            button(names[3], QStringLiteral("&Excluir"), QStringLiteral("   Exclui o registro selecionado"), Picture::Delete,
                   panel, 264, 16, 89, false)};
}

// A tab page with its status-line hint, added after the others.
inline QWidget* page(QTabWidget* tabs, const QString& name, const QString& caption, const QString& hint)
{
    auto* p = new QWidget;
    p->setObjectName(name);
    setHint(p, hint);
    tabs->addTab(p, caption);
    return p;
}

inline QGroupBox* groupBox(const QString& name, QWidget* parent, int x, int y, int w, int h)
{
    auto* g = new QGroupBox(parent);
    g->setObjectName(name);
    g->setGeometry(x, y, w, h);
    return g;
}

// A bound edit 21 high.
inline DBEdit* edit(const QString& name, QWidget* parent, int x, int y, int w, bool upper)
{
    auto* e = new DBEdit(name, parent);
    e->setGeometry(x, y, w, 21);
    e->setUpperCase(upper);
    return e;
}

} // namespace ui
