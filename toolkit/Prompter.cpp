#include "toolkit/Prompter.h"

#include <QDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace ui {
namespace {

// A "\r" in the program's texts is a line break.
QString shown(QString t) { return t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n'); }

class RealPrompter : public Prompter {
public:
    Answer ask(QWidget* parent, const Prompt& p) override
    {
        switch (p.kind) {
        case Prompt::Message:
        case Prompt::Error: {
            QMessageBox box(p.kind == Prompt::Error ? QMessageBox::Critical : QMessageBox::NoIcon, p.caption,
                            shown(p.text), QMessageBox::Ok, parent);
            box.exec();
            return {};
        }
        case Prompt::Confirm:
        case Prompt::GridDelete: {
            const bool question = p.kind == Prompt::Confirm;
            QMessageBox box(question ? QMessageBox::Question : QMessageBox::Warning, p.caption, shown(p.text),
                            QMessageBox::NoButton, parent);
            QPushButton* yes = box.addButton(question ? QStringLiteral("&Sim") : QStringLiteral("OK"), QMessageBox::YesRole);
            QPushButton* no = box.addButton(question ? QStringLiteral("&Não") : QStringLiteral("Cancela"), QMessageBox::NoRole);
            box.setDefaultButton(yes);
            box.setEscapeButton(no);
            box.exec();
            return {box.clickedButton() == yes ? 1 : 0, {}};
        }
        case Prompt::Input: {
            QInputDialog d(parent);
            d.setWindowTitle(p.caption);
            d.setLabelText(p.text);
            d.setTextValue(QString());
            d.setOkButtonText(QStringLiteral("OK"));
            d.setCancelButtonText(QStringLiteral("Cancel"));
            const bool ok = d.exec() == QDialog::Accepted;
            return {ok ? 1 : 0, ok ? d.textValue() : QString()};
        }
        case Prompt::Window: return {p.window->exec(), {}};
        }
        return {};
    }
};

RealPrompter g_real;
Prompter* g_current = &g_real;
bool g_ending = false;

} // namespace

QString applicationTitle() { return QStringLiteral("corvanta QX"); }

void setPrompter(Prompter* p) { g_current = p ? p : &g_real; }
Prompter* prompter() { return g_current; }
void setEnding(bool e) { g_ending = e; }
bool ending() { return g_ending; }

void message(QWidget* parent, const QString& text)
{
    g_current->ask(parent, {Prompt::Message, applicationTitle(), text, nullptr});
}

bool confirm(QWidget* parent, const QString& text)
{
    return g_current->ask(parent, {Prompt::Confirm, QStringLiteral("Confirmação"), text, nullptr}).result == 1;
}

void error(QWidget* parent, const QString& text)
{
    g_current->ask(parent, {Prompt::Error, applicationTitle(), text, nullptr});
}

bool confirmGridDelete(QWidget* parent)
{
    return g_current->ask(parent, {Prompt::GridDelete, applicationTitle(), QStringLiteral("Apaga registro?"), nullptr})
               .result == 1;
}

bool inputQuery(QWidget* parent, const QString& caption, const QString& prompt, QString& value)
{
    const Answer a = g_current->ask(parent, {Prompt::Input, caption, prompt, nullptr});
    value = a.result == 1 ? a.text : QString();
    return a.result == 1;
}

int showModal(QDialog* window)
{
    if (g_ending) return QDialog::Rejected;
    return g_current->ask(window->parentWidget(), {Prompt::Window, window->windowTitle(), {}, window}).result;
}

} // namespace ui
