#pragma once
// Answers the program's boxes and modal windows from a script, and records what they showed.
#include "toolkit/Prompter.h"

#include <QDialog>
#include <QList>
#include <QTest>

#include <functional>

struct Shown {
    ui::Prompt::Kind kind;
    QString caption;
    QString text;
};

class ScriptedPrompter : public ui::Prompter {
public:
    struct Step {
        ui::Prompt::Kind kind;
        int result = 1;
        QString input;
        std::function<void(QDialog*)> act; // for a window: what the user does in it
    };

    ScriptedPrompter() { ui::setPrompter(this); }
    // A box that came with no answer scripted for it fails the test it came in.
    ~ScriptedPrompter() override
    {
        ui::setPrompter(nullptr);
        if (!unexpected.isEmpty() && !QTest::currentTestFailed())
            QTest::qFail(qPrintable("unexpected box: " + unexpected.join(" | ")), __FILE__, __LINE__);
    }

    ScriptedPrompter& then(ui::Prompt::Kind kind, int result = 1, const QString& input = {})
    {
        m_steps.append({kind, result, input, {}});
        return *this;
    }
    ScriptedPrompter& thenWindow(std::function<void(QDialog*)> act)
    {
        m_steps.append({ui::Prompt::Window, 0, {}, std::move(act)});
        return *this;
    }

    ui::Answer ask(QWidget*, const ui::Prompt& p) override
    {
        shown.append({p.kind, p.caption, p.text});
        if (m_steps.isEmpty() || m_steps.first().kind != p.kind) {
            unexpected.append(p.text.isEmpty() ? p.caption : p.text);
            return {};
        }
        const Step s = m_steps.takeFirst();
        if (p.kind == ui::Prompt::Window) {
            if (s.act) s.act(p.window);
            return {p.window->result(), {}};
        }
        return {s.result, s.input};
    }

    int pending() const { return int(m_steps.size()); }
    QList<Shown> shown;
    QStringList unexpected; // boxes that came with no answer scripted for them

private:
    QList<Step> m_steps;
};
