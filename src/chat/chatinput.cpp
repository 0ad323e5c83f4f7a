#include "chatinput.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

#include <limits>

ChatInput::ChatInput(QWidget *parent) : QLineEdit(parent)
{
    setMaxLength(std::numeric_limits<int>::max()); // the line has no length limit
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
