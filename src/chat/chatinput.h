#pragma once

#include <QLineEdit>

// The chat input line (`mychat`). It reports every key-down before the key
// is handled, so the pane can remove its prompt first, and hands the Enter
// key and the paste keys to the pane instead of handling them itself.
class ChatInput : public QLineEdit
{
    Q_OBJECT

public:
    explicit ChatInput(QWidget *parent = nullptr);

signals:
    void keyDown();
    void enterPressed();
    void pasteRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    // Text composed through an input method arrives without key-downs.
    void inputMethodEvent(QInputMethodEvent *event) override;
};
