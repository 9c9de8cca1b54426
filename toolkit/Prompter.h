#pragma once
// Every message box, question and modal window of the program goes through one seam,
// so that tests can answer each one and read its text, and nothing waits for a person.
#include <QString>

#include <exception>

class QDialog;
class QWidget;

namespace ui {

// "corvanta QX": the caption of plain message boxes and of the default error box.
QString applicationTitle();

struct Prompt {
    enum Kind {
        Message,    // text and OK, under the application title
        Confirm,    // question icon, "Confirmação", "&Sim" / "&Não"
        Error,      // the default error box: a failure's own text
        GridDelete, // a grid's own Ctrl+Delete: "Apaga registro?", "OK" / "Cancela"
        Input,      // text-input dialog: caption, prompt, edit, OK / Cancel
        Window      // a modal window of the program
    };
    Kind kind = Message;
    QString caption;
    QString text; // for Input: the prompt
    QDialog* window = nullptr;
};

// Confirm and GridDelete: 1 for the proceeding button; Input: 1 for OK with the text;
// Window: the window's result.
struct Answer {
    int result = 0;
    QString text;
};

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual Answer ask(QWidget* parent, const Prompt& p) = 0;
};

// nullptr puts back the real boxes.
void setPrompter(Prompter* p);
Prompter* prompter();

// Once the program's end has been asked for, modal windows return at once.
void setEnding(bool ending);
bool ending();

void message(QWidget* parent, const QString& text);
bool confirm(QWidget* parent, const QString& text);
void error(QWidget* parent, const QString& text);
bool confirmGridDelete(QWidget* parent);
// Cancel gives false and leaves value empty.
bool inputQuery(QWidget* parent, const QString& caption, const QString& prompt, QString& value);
int showModal(QDialog* window);

// Runs a handler; a failure is shown in the default error box and the handler stops there.
template <class F>
void guard(QWidget* parent, F&& f)
{
    try {
        f();
    } catch (const std::exception& e) {
        error(parent, QString::fromStdString(e.what()));
    }
}

} // namespace ui
