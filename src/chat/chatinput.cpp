#include "chatinput.h"

#include "protocol.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

ChatInput::ChatInput(QWidget *parent) : QLineEdit(parent)
{
    // The host relays no longer text, and a line far longer would cost the
    // connection. Typing stops here, and QLineEdit cuts a longer paste or
    // setText to this length.
    setMaxLength(static_cast<int>(wire::MaxTextLength));
}

void ChatInput::keyPressEvent(QKeyEvent *event)
{
    emit keyDown();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Swallowed: no character, no beep, no returnPressed.
        emit enterPressed();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        emit pasteRequested();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void ChatInput::inputMethodEvent(QInputMethodEvent *event)
{
    if (!event->commitString().isEmpty() || !event->preeditString().isEmpty())
        emit keyDown();
    QLineEdit::inputMethodEvent(event);
}
